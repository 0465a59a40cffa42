#include "reports/VXDemoReports.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "config/CfgList.h"

namespace vx {

void InstallDemoReports(const QString& reportDir)
{
    ForceDirectories(reportDir);
    TDatabase db(Alias::Report);
    db.SetDirectory(reportDir);
    db.Open();
    EnsureSchema(db, Alias::Report);
    db.Close();
}

} // namespace vx
