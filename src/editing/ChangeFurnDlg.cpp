#include "editing/ChangeFurnDlg.h"
#include "app/NumEdit.h"
#include "app/VXDialogInteraction.h"
#include "db/VXDataModule.h"
#include "editing/SelectArticleDlg.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vx {

TChangeFurnDlg::TChangeFurnDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ChangeFurnDlg"));
    setWindowTitle(QStringLiteral("Изменить"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ArticleEdit = new QLineEdit(this);
    ArticleEdit->setObjectName(QStringLiteral("ArticleEdit"));
    ArticleButton = new QToolButton(this);
    ArticleButton->setObjectName(QStringLiteral("ArticleButton"));
    ArticleButton->setText(QStringLiteral("..."));
    ArticleButton->setFocusPolicy(Qt::NoFocus);
    NumEdit = new TNumEdit(this, nsInteger, 5, 0);
    NumEdit->setObjectName(QStringLiteral("NumEdit"));
    LenEdit = new TNumEdit(this, nsFloat, 5, 2);
    LenEdit->setObjectName(QStringLiteral("LenEdit"));
    CommentEdit = new QLineEdit(this);
    CommentEdit->setObjectName(QStringLiteral("CommentEdit"));
    SideNoEdit = new TNumEdit(this, nsInteger, 5, 0);
    SideNoEdit->setObjectName(QStringLiteral("SideNoEdit"));
    for (TNumEdit* e : {NumEdit, LenEdit, SideNoEdit})
        e->setMaximumWidth(fontMetrics().averageCharWidth() * 12 + 12);

    auto* article = new QHBoxLayout;
    article->setSpacing(2);
    article->addWidget(ArticleEdit, 1);
    article->addWidget(ArticleButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Артикул"), article);
    form->addRow(QStringLiteral("Количество"), NumEdit);
    form->addRow(QStringLiteral("L, мм"), LenEdit);
    form->addRow(QStringLiteral("Комментарий"), CommentEdit);
    form->addRow(QStringLiteral("Сторона №"), SideNoEdit);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ArticleButton, &QToolButton::clicked, this, &TChangeFurnDlg::ArticleEditCustomDlg);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

bool TChangeFurnDlg::Execute(const QString& article, int sideNo, const QString& comment, double length, int count)
{
    ArticleEdit->setText(article);
    SideNoEdit->SetAsInteger(sideNo);
    CommentEdit->setText(comment);
    LenEdit->SetAsFloat(length);
    NumEdit->SetAsInteger(count);
    ArticleEdit->setFocus();
    return exec() == QDialog::Accepted;
}

QString TChangeFurnDlg::Article() const
{
    return ArticleEdit->text();
}

int TChangeFurnDlg::Count() const
{
    return NumEdit->AsInteger();
}

double TChangeFurnDlg::Length() const
{
    return LenEdit->AsFloat();
}

QString TChangeFurnDlg::Comment() const
{
    return CommentEdit->text();
}

int TChangeFurnDlg::SideNo() const
{
    return SideNoEdit->AsInteger();
}

void TChangeFurnDlg::ArticleEditCustomDlg()
{
    QVariant chosen;
    if (ExecuteSelectArticle(this, DM().T_Catalog, QStringLiteral("ID"), QString(), 0, 0, nullptr, QString(),
                             QStringLiteral("ID"), {QStringLiteral("ID"), QStringLiteral("Name")}, &chosen))
        ArticleEdit->setText(chosen.toString());
}

bool ExecuteChangeFurn(QWidget* parent, QString& article, int& sideNo, QString& comment, double& length, int& count)
{
    TChangeFurnDlg dialog(parent ? parent : DialogParent());
    if (!dialog.Execute(article, sideNo, comment, length, count))
        return false;
    article = dialog.Article();
    sideNo = dialog.SideNo();
    comment = dialog.Comment();
    length = dialog.Length();
    count = dialog.Count();
    return true;
}

} // namespace vx
