#pragma once
#include <QDialog>

class QLineEdit;
class QToolButton;

namespace vx {

class TNumEdit;

// Edits one item of a sash's fittings list: its article (typed, or chosen in the article picker), count,
// length, comment and side number.
class TChangeFurnDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChangeFurnDlg(QWidget* parent = nullptr);

    QLineEdit* ArticleEdit;
    QToolButton* ArticleButton;
    TNumEdit* NumEdit;
    TNumEdit* LenEdit;
    QLineEdit* CommentEdit;
    TNumEdit* SideNoEdit;

    // True on OK; the entered values are then read from the accessors below.
    bool Execute(const QString& article, int sideNo, const QString& comment, double length, int count);

    QString Article() const;
    int Count() const;
    double Length() const;
    QString Comment() const;
    int SideNo() const;

    // The article button: the catalog picker, keyed and sorted by ID.
    void ArticleEditCustomDlg();
};

// Runs the dialog on the values; on OK they take the entered ones.
bool ExecuteChangeFurn(QWidget* parent, QString& article, int& sideNo, QString& comment, double& length, int& count);

} // namespace vx
