#include "cli/CliCommon.h"
#include "cli/CliOrderFiles.h"
#include "config/VXFSetupX.h"
#include "export/VXFExport.h"
#include "foundation/VXCommonTools.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include <QDate>
#include <QRegularExpression>

using namespace vx;
using namespace vx::cli;

namespace {

TExportKind KindOf(const QString& word)
{
    if (word == QLatin1String("tbm"))
        return TExportKind::TBM;
    if (word == QLatin1String("vorne"))
        return TExportKind::Vorne;
    if (word == QLatin1String("xml"))
        return TExportKind::VBH;
    throw EUsage(QStringLiteral("Неизвестный вид экспорта %1 (tbm, vorne или xml)").arg(word));
}

int ExportCommand(const QStringList& args)
{
    QSet<QString> flags = EnvironmentFlags();
    flags << QStringLiteral("upload") << QStringLiteral("no-upload");
    TArgs a(args, flags);
    QStringList allowed = EnvironmentOptions();
    allowed << QStringLiteral("firm-id") << QStringLiteral("firm-name") << QStringLiteral("number")
            << QStringLiteral("name") << QStringLiteral("date") << QStringLiteral("file");
    a.ExpectPositional(2, 2);
    const TExportKind kind = KindOf(a.Positional[0]);
    const bool xml = kind == TExportKind::VBH;
    if (xml)
        allowed << QStringLiteral("comment") << QStringLiteral("upload") << QStringLiteral("no-upload");
    a.AllowOnly(allowed);
    if (a.Has(QStringLiteral("upload")) && a.Has(QStringLiteral("no-upload")))
        throw EUsage(QStringLiteral("Заданы одновременно --upload и --no-upload"));

    // The checks of the dialog's fields, before anything is opened.
    int number = -1;
    if (a.Has(QStringLiteral("number"))) {
        const QString text = a.Value(QStringLiteral("number"));
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
        if (!digits.match(text).hasMatch())
            throw EUsage(QStringLiteral("Номер заявки должен быть числом до 4 цифр: %1").arg(text));
        number = text.toInt();
    }
    QDate date;
    if (a.Has(QStringLiteral("date"))) {
        date = QDate::fromString(a.Value(QStringLiteral("date")), QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid())
            throw EUsage(QStringLiteral("Дата должна быть задана как дд.мм.гггг: %1").arg(a.Value(QStringLiteral("date"))));
    }

    TCliSession session(a);
    TCliDocument loaded;
    if (!loaded.Load(a.Positional[1]))
        return 1;
    const TExportDocument document = loaded.Selection ? TExportDocument(loaded.Selection.get())
                                                      : TExportDocument(loaded.Order.get());

    TExportValues values = LoadExportValues(kind, document);
    if (a.Has(QStringLiteral("firm-id")))
        values.FirmID = a.Value(QStringLiteral("firm-id"));
    if (a.Has(QStringLiteral("firm-name")))
        values.FirmName = a.Value(QStringLiteral("firm-name"));
    if (number >= 0)
        values.OrderNo = number;
    if (a.Has(QStringLiteral("name")))
        values.OrderName = a.Value(QStringLiteral("name"));
    if (date.isValid()) {
        // The date picker changes the day and keeps the time.
        values.OrderDate = TDateTime::FromQDateTime(QDateTime(date, values.OrderDate.toQDateTime().time()));
    }
    if (a.Has(QStringLiteral("comment")))
        values.Comment = a.Value(QStringLiteral("comment"));
    if (a.Has(QStringLiteral("upload")))
        values.Upload = true;
    if (a.Has(QStringLiteral("no-upload")))
        values.Upload = false;
    // As in the dialog: a changed firm code or number gives a new name, which --file replaces.
    values.FileName = a.Has(QStringLiteral("file")) ? a.Value(QStringLiteral("file"))
                                                    : ExportFileName(kind, values.FirmID, values.OrderNo);

    const TExportResult result = RunExport(kind, document, values);
    switch (result.File) {
    case TExportOutcome::Written:
        Out(QStringLiteral("Файл экспорта: %1").arg(values.FileName));
        break;
    case TExportOutcome::Cancelled:
        Out(QStringLiteral("Файл экспорта не записан: %1").arg(values.FileName));
        break;
    case TExportOutcome::Failed:
        break;
    }
    return result.Succeeded() ? 0 : 1;
}

const TCommandRegistration Registration(
    "export",
    "export tbm|vorne|xml DOCUMENT [--firm-id ID] [--firm-name NAME] [--number N] [--name TEXT]\n"
    "      [--date дд.мм.гггг] [--comment TEXT] [--file PATH] [--upload|--no-upload] [--yes]\n"
    "      заявка поставщику для заказа (.vfo370, .vfo) или выборки (.vfs370)",
    ExportCommand);

} // namespace
