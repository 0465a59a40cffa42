#pragma once
#include <QDialog>

class QCheckBox;

namespace vx {

class TvxfSetup;

// The user's five option flags of the settings.
class TOptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsDlg(QWidget* parent = nullptr);

    // Shows the flags of the settings; OK copies them back and gives true, Cancel changes
    // nothing. The settings reach the registry only at program end.
    bool EditOptions(TvxfSetup& setup);

    QCheckBox* AlertIfNotFullCheck;
    QCheckBox* AutoLoadCurrencyCheck;
    QCheckBox* AutoRegCheck;
    QCheckBox* AutoOpenRegCheck;
    QCheckBox* MoveToRecycledCheck;
};

} // namespace vx
