#include "app/MainForm.h"

namespace vx {

// The windows of the other parts register here as they come: the order, selection and
// registry windows and the reference dialogs. Until then their commands stay disabled.
void InstallShellWindows(TShellHooks& hooks)
{
    Q_UNUSED(hooks);
}

} // namespace vx
