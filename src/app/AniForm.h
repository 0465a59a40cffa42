#pragma once
#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace vx {

// The animation of the process window: a magnifier searching over a sheet.
class TAnimate : public QWidget {
    Q_OBJECT
public:
    explicit TAnimate(QWidget* parent = nullptr);
    bool Active() const { return Timer.isActive(); }
    void SetActive(bool active);
    int Frame() const { return FFrame; }
    QSize sizeHint() const override { return {80, 50}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer Timer;
    int FFrame = 0;
};

// The process window that long operations show modelessly and hide at the end. The animation
// runs while the window is active and stops when it is deactivated or hidden.
class TAniForm : public QDialog {
    Q_OBJECT
public:
    explicit TAniForm(QWidget* parent = nullptr);

    // Shows the window with a message ("Процесс..." when empty) and the progress at 0.
    void Start(const QString& message = QString(), int maximum = 100);
    void SetProgress(int value);
    void Finish() { hide(); }

    QLabel* MessageLab;
    TAnimate* Ani;
    QProgressBar* Progress;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

// The one process window of the program, made on first use over the main window.
TAniForm& AniForm();

} // namespace vx
