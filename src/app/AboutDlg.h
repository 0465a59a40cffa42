#pragma once
#include <QDialog>

class QTableWidget;

namespace vx {

// The program's version data.
class TAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget* parent = nullptr);

    QTableWidget* Grid;
};

} // namespace vx
