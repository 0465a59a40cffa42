#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace vx {

// The two-button question: an icon, the text and two buttons with the caller's captions.
class TBtnDlg2 : public QDialog {
    Q_OBJECT
public:
    explicit TBtnDlg2(QWidget* parent = nullptr);

    // 1 for the first button, 2 for the second, 0 when the window was closed otherwise.
    int Ask(const QString& text, const QString& button1, const QString& button2, const QString& caption);

    QLabel* TextLab;
    QPushButton* Button1;
    QPushButton* Button2;
};

} // namespace vx
