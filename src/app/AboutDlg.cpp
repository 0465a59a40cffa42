#include "app/AboutDlg.h"
#include "app/AppPictures.h"
#include "foundation/VXCommonTools.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vx {

namespace {

QPlainTextEdit* ReadOnlyText(const QString& text, QWidget* parent)
{
    auto* edit = new QPlainTextEdit(text, parent);
    edit->setReadOnly(true);
    edit->setFrameShape(QFrame::StyledPanel);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
    return edit;
}

} // namespace

TAboutDlg::TAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* icon = new QLabel(this);
    icon->setPixmap(ProductPicture(QSize(64, 64)));
    auto* caption = new QLabel(QStringLiteral("VALTRIX ФУРНИТУРА"), this);
    QFont big = caption->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    caption->setFont(big);

    auto* name = ReadOnlyText(QStringLiteral("Valtrix: подбор и расчет фурнитуры для окон и дверей"), this);
    auto* address = ReadOnlyText(QStringLiteral("Программа поставляется вместе с каталогом фурнитуры\n"
                                                "вашего поставщика"),
                                 this);
    auto* contacts = ReadOnlyText(QStringLiteral("Техническая поддержка:\nу поставщика каталога фурнитуры"), this);

    Grid = new QTableWidget(6, 2, this);
    const QStringList left = {QStringLiteral("Версия"),       QStringLiteral("Сборка"),
                              QStringLiteral("Редакция"),     QStringLiteral("Версия *.vxf"),
                              QStringLiteral("Версия *.vsf"), QStringLiteral("Модификация")};
    const QStringList right = {QStringLiteral("3.81"),       ProgramVersion(),          QStringLiteral("Русская"),
                               QStringLiteral("26.12.2019"), QStringLiteral("06.10.2015"), QStringLiteral("3.81.5.400")};
    for (int row = 0; row < 6; ++row) {
        auto* l = new QTableWidgetItem(left[row]);
        auto* r = new QTableWidgetItem(right[row]);
        l->setFlags(Qt::ItemIsEnabled);
        r->setFlags(Qt::ItemIsEnabled);
        Grid->setItem(row, 0, l);
        Grid->setItem(row, 1, r);
    }
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->setFocusPolicy(Qt::NoFocus);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->resizeRowsToContents();
    int height = 2 * Grid->frameWidth();
    for (int row = 0; row < 6; ++row)
        height += Grid->rowHeight(row);
    Grid->setFixedHeight(height);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(10);
    top->addWidget(caption, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(name);
    layout->addWidget(address);
    layout->addWidget(contacts);
    layout->addWidget(Grid);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

} // namespace vx
