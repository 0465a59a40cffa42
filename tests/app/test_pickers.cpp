#include "GuiTestSupport.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "editing/ChangeFurnDlg.h"
#include "editing/DBLookup2Dlg.h"
#include "editing/SelectArticleDlg.h"
#include "editing/SelectComplectDlg.h"
#include "app/NumEdit.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace vx;
using namespace vxtest;

namespace {

QTreeWidgetItem* Node(QTreeWidget* tree, const QString& caption)
{
    const auto found = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// The values of one field over every row the table shows.
QList<int> Groups(TTable& t)
{
    QList<int> groups;
    for (t.First(); !t.Eof(); t.Next())
        groups << t.FieldByName(QStringLiteral("Group"))->AsInteger();
    return groups;
}

// Closes a dialog left open by a failed check, so that the test goes on.
struct TCloser {
    QDialog* Dialog;
    ~TCloser()
    {
        if (Dialog->isVisible())
            Dialog->reject();
    }
};

int CountWhere(TTable& t, const std::function<bool(int)>& test)
{
    int n = 0;
    for (int g : Groups(t))
        n += test(g) ? 1 : 0;
    return n;
}

} // namespace

class TestPickers : public QObject {
    Q_OBJECT

    QTemporaryDir Temp;
    std::unique_ptr<TvxfSetup> Settings;
    std::unique_ptr<TDM> Module;
    TScriptedInteraction Script;
    std::unique_ptr<TScopedUI> ScopedUI;

private Q_SLOTS:
    void initTestCase()
    {
        const QString catalog = Temp.path() + QStringLiteral("/catalog");
        CreateDemoCatalog(catalog);
        Settings = std::make_unique<TvxfSetup>(Temp.path() + QStringLiteral("/absent.ini"));
        SetSetup(Settings.get());
        Module = std::make_unique<TDM>();
        SetDM(Module.get());
        Module->ConnectCatalog(catalog);
        QVERIFY(Module->OpenCatalog());
        ScopedUI = std::make_unique<TScopedUI>(&Script);
    }

    void cleanupTestCase()
    {
        ScopedUI.reset();
        SetDM(nullptr);
        Module.reset();
        SetSetup(nullptr);
        Settings.reset();
    }

    void init() { Script.clear(); }

    // Group tree, search, sorting and the choice; the table gets its filter and order back and the
    // bound field the chosen article.
    void articlePicker()
    {
        TTable& t = DM().T_Catalog;
        t.SetIndexName(QStringLiteral("Name"));
        t.SetFilter(QStringLiteral("Group<>1000"));
        t.SetFiltered(false);
        const int all = t.RecordCount();
        const int fittings = CountWhere(t, [](int g) { return g >= 200 && g < 300; });
        TQuery bound(&DM().DB_Catalog);
        bound.SetSQL(QStringLiteral("SELECT ID FROM \"Catalog.DB\" WHERE ID = 'UN-6001'"));
        bound.Open();

        QString chosen;
        QStringList seen;
        OnModal<TSelectArticleDlg>([&](TSelectArticleDlg* d) {
            TCloser closer{d};
            // Opening: the first root expanded, nothing selected, sorted by the initial field.
            QVERIFY(d->TreeView->topLevelItem(0)->isExpanded());
            QVERIFY(!d->TreeView->currentItem());
            QCOMPARE(t.IndexFieldNames(), QStringLiteral("ID"));
            QCOMPARE(d->Model->rowCount(), all);
            QCOMPARE(d->Model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Код"));
            QVERIFY(!d->Model->headerData(0, Qt::Horizontal, Qt::DecorationRole).isNull());
            QVERIFY(d->Model->headerData(1, Qt::Horizontal, Qt::DecorationRole).isNull());

            d->TreeView->setCurrentItem(Node(d->TreeView, QStringLiteral("Фурнитура")));
            QCOMPARE(d->FilterName->text(), QStringLiteral("Фурнитура"));
            QCOMPARE(d->Model->rowCount(), fittings);
            d->TreeView->setCurrentItem(Node(d->TreeView, QStringLiteral("Шпингалет")));
            QCOMPARE(Groups(t), QList<int>({208, 208, 208}));
            d->TreeView->setCurrentItem(Node(d->TreeView, QStringLiteral("Прочие материалы")));
            QCOMPARE(Groups(t), QList<int>({1000, 1000, 1000}));
            QCOMPARE(d->Model->rowCount(), 3);

            // Search by the sort field, any letter case.
            d->TreeView->setCurrentItem(Node(d->TreeView, QStringLiteral("Фурнитура")));
            QCOMPARE(d->SearchField(), QStringLiteral("ID"));
            d->LookupEdit->setText(QStringLiteral("vk-50"));
            const int row = d->Grid->currentIndex().row();
            QCOMPARE(d->Model->data(d->Model->index(row, 0)).toString(), QStringLiteral("VK-5001"));

            // A field without an index keeps the order; one with an index sorts and searches.
            d->GridTitleButtonClick(QStringLiteral("Unit"));
            QCOMPARE(Script.count(TMessageKind::Error), 1);
            QVERIFY(Script.texts().first().startsWith(QStringLiteral("Не могу установить индекс по данному полю\r\n(")));
            QCOMPARE(t.IndexFieldNames(), QStringLiteral("ID"));
            d->Grid->horizontalHeader()->sectionClicked(1);
            QCOMPARE(t.IndexFieldNames(), QStringLiteral("Name"));
            QCOMPARE(d->SearchFieldCombo->currentText(), QStringLiteral("Наименование"));
            QVERIFY(!d->Model->headerData(1, Qt::Horizontal, Qt::DecorationRole).isNull());
            QVERIFY(d->Model->headerData(0, Qt::Horizontal, Qt::DecorationRole).isNull());
            const QString name = d->Model->data(d->Model->index(5, 1)).toString();
            d->LookupEdit->setText(name.left(6).toUpper());
            QVERIFY(t.FieldByName(QStringLiteral("Name"))->AsString().startsWith(name.left(6)));
            QVERIFY(d->Grid->currentIndex().row() <= 5);
            for (int c = 0; c < d->Model->columnCount(); ++c)
                seen << d->Model->headerData(c, Qt::Horizontal).toString();

            // Enter in the grid chooses the current row.
            d->Grid->SelectRow(2);
            chosen = d->Model->data(d->Model->index(2, 0)).toString();
            d->Grid->setFocus();
            QTest::keyClick(d->Grid, Qt::Key_Return);
        });
        QVariant result;
        QVERIFY(ExecuteSelectArticle(nullptr, t, QStringLiteral("ID"), QStringLiteral("Артикулы"), 0, 0,
                                     bound.FieldByName(QStringLiteral("ID")), QString(), QStringLiteral("ID"),
                                     {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Unit")},
                                     &result));
        QCOMPARE(seen, QStringList({QStringLiteral("Код"), QStringLiteral("Наименование"), QStringLiteral("Ед.изм.")}));
        QVERIFY(!chosen.isEmpty());
        QCOMPARE(result.toString(), chosen);
        QCOMPARE(bound.State(), TDataSetState::Edit);
        QCOMPARE(bound.FieldByName(QStringLiteral("ID"))->AsString(), chosen);
        QCOMPARE(t.IndexName(), QStringLiteral("Name"));
        QCOMPARE(t.IndexFieldNames(), QString());
        QCOMPARE(t.Filter(), QStringLiteral("Group<>1000"));
        QVERIFY(!t.Filtered());
        QCOMPARE(t.RecordCount(), all);
        t.SetIndexName(QString());
        t.SetFilter(QString());
    }

    // Cancel leaves the bound field, the filter and the order alone; the complect tree filters by group.
    void complectPickerCancelled()
    {
        TTable& t = DM().T_FrnComp;
        t.SetFilter(QStringLiteral("Use=1"));
        t.SetFiltered(true);
        const int shown = t.RecordCount();
        t.SetFiltered(false);
        const int all = t.RecordCount();
        t.SetFiltered(true);
        TQuery bound(&DM().DB_Catalog);
        bound.SetSQL(QStringLiteral("SELECT ID FROM \"FrnComp.DB\" WHERE \"Group\" = 30"));
        bound.Open();
        const QString before = bound.FieldByName(QStringLiteral("ID"))->AsString();

        OnModal<TSelectComplectDlg>([&](TSelectComplectDlg* d) {
            TCloser closer{d};
            QCOMPARE(d->windowTitle(), QString());
            QVERIFY(d->TreeView->topLevelItem(0)->isExpanded());
            QVERIFY(!d->TreeView->currentItem());
            QCOMPARE(d->Model->rowCount(), shown);
            d->TreeView->setCurrentItem(Node(d->TreeView, QStringLiteral("Ручка оконная")));
            QVERIFY(!Groups(t).isEmpty());
            QCOMPARE(Groups(t), QList<int>(Groups(t).size(), 30));
            d->TreeView->setCurrentItem(d->TreeView->topLevelItem(0));
            QCOMPARE(d->Model->rowCount(), all);
            d->Grid->SelectRow(1);
            d->reject();
        });
        QVariant result;
        QVERIFY(!ExecuteSelectComplect(nullptr, t, QStringLiteral("ID"), QString(), 0, 0,
                                       bound.FieldByName(QStringLiteral("ID")), {QStringLiteral("Name")}, &result));
        QVERIFY(result.isNull());
        QCOMPARE(bound.State(), TDataSetState::Browse);
        QCOMPARE(bound.FieldByName(QStringLiteral("ID"))->AsString(), before);
        QCOMPARE(t.Filter(), QStringLiteral("Use=1"));
        QVERIFY(t.Filtered());
        QCOMPARE(t.RecordCount(), shown);
        t.SetFiltered(false);
        t.SetFilter(QString());
    }

    // The fittings engine's two alternatives: the row current when the picker closes is the answer,
    // whatever closed it.
    void alternativesChoice()
    {
        const QList<TUserInteraction::TChoiceRow> rows = {
            {QStringLiteral("VK-1101-15"), {QStringLiteral("VK-1101-15"), QStringLiteral("Привод 15")}},
            {QStringLiteral("VK-1102-25"), {QStringLiteral("VK-1102-25"), QStringLiteral("Привод 25")}},
        };
        const QString prompt = QStringLiteral("В документации присутствует несколько альтернативных вариантов. "
                                              "Выберите нужный элемент.");
        for (const bool accept : {true, false}) {
            QString memo, title, second;
            int startRow = -1;
            OnModal<TDBLookup2Dlg>([&](TDBLookup2Dlg* d) {
            TCloser closer{d};
                memo = d->Memo->toPlainText();
                title = d->windowTitle();
                startRow = d->Grid->currentIndex().row();
                second = d->Grid->model()->index(1, 1).data().toString();
                d->Grid->SelectRow(1);
                accept ? d->accept() : d->reject();
            });
            QCOMPARE(ChooseAlternativeRow(nullptr, prompt, QStringLiteral("Список артикулов"), rows), 1);
            QCOMPARE(memo, prompt);
            QCOMPARE(title, QStringLiteral("Список артикулов"));
            QCOMPARE(startRow, 0);
            QCOMPARE(second, QStringLiteral("Привод 25"));
        }
        // Closed at once: the first row; asked the way the engine asks, through the interface.
        struct TPickerUI : TScriptedInteraction {
            int ChooseAlternative(const QString& text, const QString& caption, const QList<TChoiceRow>& choices) override
            {
                return ChooseAlternativeRow(nullptr, text, caption, choices);
            }
        } ui;
        TScopedUI scoped(&ui);
        OnModal<TDBLookup2Dlg>([](TDBLookup2Dlg* d) { d->reject(); });
        QCOMPARE(vx::ChooseAlternative(prompt, QStringLiteral("Список артикулов"), rows), 0);
    }

    // Over a table: the given filter while open, the grid on the bound field's value (any case).
    void lookupOverATable()
    {
        TTable& t = DM().T_FrnArt;
        const QString filterBefore = t.Filter();
        const bool filteredBefore = t.Filtered();
        TQuery bound(&DM().DB_Catalog);
        bound.SetSQL(QStringLiteral("SELECT ID FROM \"Catalog.DB\" WHERE ID = 'VK-1102-25'"));
        bound.Open();
        bound.Edit();
        bound.FieldByName(QStringLiteral("ID"))->SetAsString(QStringLiteral("vk-1104-15"));
        int rows = 0;
        QString current;
        OnModal<TDBLookup2Dlg>([&](TDBLookup2Dlg* d) {
            TCloser closer{d};
            QVERIFY(WaitFor([&] { return d->Grid->hasFocus() || d->Grid->currentIndex().row() > 0; }, 2000));
            rows = d->Model->rowCount();
            current = t.FieldByName(QStringLiteral("CatalogID"))->AsString();
            d->accept();
        });
        QVariant result;
        QVERIFY(ExecuteDBLookup2(nullptr, t, QStringLiteral("CatalogID"), QStringLiteral("Выберите"), QString(),
                                 QStringLiteral("ID='VK-E-GETR'"), bound.FieldByName(QStringLiteral("ID")),
                                 {QStringLiteral("CatalogID"), QStringLiteral("CatalogNameLookup")}, &result));
        QVERIFY(rows >= 4);
        QCOMPARE(current, QStringLiteral("VK-1104-15"));
        QCOMPARE(result.toString(), QStringLiteral("VK-1104-15"));
        QCOMPARE(bound.FieldByName(QStringLiteral("ID"))->AsString(), QStringLiteral("VK-1104-15"));
        QCOMPARE(t.Filter(), filterBefore);
        QCOMPARE(t.Filtered(), filteredBefore);
    }

    // The item editor: the article from the catalog picker, the other values as typed.
    void changeFurnWithArticlePicker()
    {
        TTable& t = DM().T_Catalog;
        QString pickerTitle, orderInPicker;
        OnModal<TChangeFurnDlg>([&](TChangeFurnDlg* d) {
            TCloser closer{d};
            QCOMPARE(d->windowTitle(), QStringLiteral("Изменить"));
            QCOMPARE(d->ArticleEdit->text(), QStringLiteral("OLD"));
            QCOMPARE(d->NumEdit->AsInteger(), 2);
            OnModal<TSelectArticleDlg>([&](TSelectArticleDlg* p) {
            TCloser closer{p};
                pickerTitle = p->windowTitle();
                orderInPicker = t.IndexFieldNames();
                p->LookupEdit->setText(QStringLiteral("un-6002"));
                p->accept();
            });
            d->ArticleButton->click();
            d->NumEdit->SetAsInteger(5);
            d->CommentEdit->setText(QStringLiteral("вручную"));
            d->SideNoEdit->SetAsInteger(3);
            d->LenEdit->SetValueText(QStringLiteral("120,5"));
            d->accept();
        });
        QString article = QStringLiteral("OLD"), comment;
        int side = 1, count = 2;
        double length = 0;
        QVERIFY(ExecuteChangeFurn(nullptr, article, side, comment, length, count));
        QCOMPARE(pickerTitle, QString());
        QCOMPARE(orderInPicker, QStringLiteral("ID"));
        QCOMPARE(article, QStringLiteral("UN-6002"));
        QCOMPARE(count, 5);
        QCOMPARE(comment, QStringLiteral("вручную"));
        QCOMPARE(side, 3);
        QCOMPARE(length, 120.5);
        QCOMPARE(t.IndexFieldNames(), QString());
    }

    // With VALTRIX_SHOTS set to a directory, the article picker is saved as a picture there.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("VALTRIX_SHOTS");
        if (dir.isEmpty())
            QSKIP("VALTRIX_SHOTS not set");
        bool saved = false;
        OnModal<TSelectArticleDlg>([&](TSelectArticleDlg* d) {
            TCloser closer{d};
            d->TreeView->setCurrentItem(Node(d->TreeView, QStringLiteral("Петля оконная")));
            d->LookupEdit->setText(QStringLiteral("vk"));
            QTest::qWait(50);
            saved = d->grab().save(dir + QStringLiteral("/picker_article.png"));
            d->reject();
        });
        ExecuteSelectArticle(nullptr, DM().T_Catalog, QStringLiteral("ID"), QString(), 0, 0, nullptr, QString(),
                             QStringLiteral("ID"), {QStringLiteral("ID"), QStringLiteral("Name")});
        QVERIFY(saved);
    }
};

QTEST_MAIN(TestPickers)
#include "test_pickers.moc"
