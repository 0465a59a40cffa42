#pragma once
#include <QString>

namespace vx {

// Installs the report templates a firm starts with into the report directory (made when
// missing) and registers them in its report register, which is created when missing. Rows
// and files of other templates are kept, so a firm's own templates survive a reinstall.
void InstallDemoReports(const QString& reportDir);

} // namespace vx
