#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

namespace vx {

// The window shown while the program loads: the picture, the product, its version, what is
// being done and how far.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    void SetProgress(int percent);
    void SetText(const QString& text);

    QLabel* LoadLab;
    QProgressBar* ProgressBar;
};

} // namespace vx
