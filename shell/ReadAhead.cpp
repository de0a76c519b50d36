#include "shell/ReadAhead.h"

#include <fontconfig/fontconfig.h>

#include <exception>
#include <utility>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"

CReadAhead::CReadAhead(std::string settingsRoot, std::uint32_t version)
    : m_worker([this, root = std::move(settingsRoot), version] {
          // The workspace first: the run needs it before its window.
          try {
              m_read.set_value(CWorkspaceLoad::Read(root, version));
          } catch (...) {
              m_read.set_exception(std::current_exception());
          }
          // FcInit keeps the configuration it loads; Qt's later FcInit finds it there.
          FcInit();
      }) {}

CReadAhead::~CReadAhead() {
    m_worker.join();
}

CWorkspaceLoad::Workspace CReadAhead::TakeWorkspace() {
    return m_workspace.get();
}
