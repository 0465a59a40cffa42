#pragma once
#include "config/CfgList.h"
#include <QDialog>
#include <optional>

class QListWidget;

namespace vx {

// The chooser of the configuration at start-up.
class TConfigListDlg : public QDialog {
    Q_OBJECT
public:
    explicit TConfigListDlg(QWidget* parent = nullptr);

    // The chosen name (empty when none is selected), nothing for Cancel.
    std::optional<QString> Choose(const TConfigList& list);

    QListWidget* ConfigList;
};

// The chooser as the configuration selection takes it.
std::optional<QString> ChooseConfigurationDialog(const TConfigList& list);

} // namespace vx
