#include "shell/FontConfigLoad.h"

#include <fontconfig/fontconfig.h>

// FcInit keeps the configuration it loads; a later FcInit, as Qt's, finds it there.
CFontConfigLoad::CFontConfigLoad() : m_loading([] { FcInit(); }) {}

CFontConfigLoad::~CFontConfigLoad() {
    m_loading.join();
}
