#include "ui/AppContext.h"

#include "ui/ProgramFiles.h"

QString CAppContext::UnitSetFolder() const {
    return CProgramFiles::UnitSetFolder();
}
