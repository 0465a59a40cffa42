#pragma once
#include <QList>
#include <QString>

namespace vx {

// One template a new installation starts with: its file in the program's resources and in the
// report directory, the document kind and the name the report list shows.
struct TDemoReport {
    QString File;
    int Group = 0;
    QString Name;
    int Default = 0;
};
const QList<TDemoReport>& DemoReports();

// Installs the report templates a firm starts with into the report directory (made when
// missing) and registers them in its report register, which is created when missing. Rows
// and files of other templates are kept, so a firm's own templates survive a reinstall; a demo
// template the firm has changed is not overwritten either.
void InstallDemoReports(const QString& reportDir);

} // namespace vx
