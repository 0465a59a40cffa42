#pragma once
#include <QDialog>

namespace vx {

// The presentation window shown at start-up and from "О Нас...": the program's own picture
// and a few words about it, closed with OK.
class TPresentVeruradeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPresentVeruradeDlg(QWidget* parent = nullptr);
};

} // namespace vx
