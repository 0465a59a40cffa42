#include "VXUserInteraction.h"
#include "VXError.h"
#include <cstdio>

namespace vx {

namespace {
TUserInteraction* Installed = nullptr;

TConsoleInteraction& Console()
{
    static TConsoleInteraction console;
    return console;
}

void Print(const char* prefix, const QString& text)
{
    QByteArray t = text.toUtf8();
    t.replace("\r\n", "\n");
    std::fprintf(stderr, "%s%s\n", prefix, t.constData());
    std::fflush(stderr);
}
} // namespace

QString ExceptionText(const std::exception& e)
{
    if (auto* v = dynamic_cast<const EValtrixError*>(&e))
        return v->message();
    return QString::fromUtf8(e.what());
}

TUserInteraction& UI()
{
    return Installed ? *Installed : Console();
}

void SetUI(TUserInteraction* ui)
{
    Installed = ui;
}

TScopedUI::TScopedUI(TUserInteraction* ui) : Previous(Installed)
{
    Installed = ui;
}

TScopedUI::~TScopedUI()
{
    Installed = Previous;
}

QString ErrorDetailText(const QString& text, const QString& detail)
{
    return text + QStringLiteral("\r\n[") + detail + QLatin1Char(']');
}

void TScriptedInteraction::add(TMessageKind kind, const QString& text)
{
    Shown.append({kind, text});
    if (Echo)
        Echo(Shown.last());
}

bool TScriptedInteraction::Confirm(const QString& text)
{
    add(TMessageKind::Confirm, text);
    return ConfirmAnswers.isEmpty() ? DefaultConfirm : ConfirmAnswers.takeFirst();
}

bool TScriptedInteraction::ConfirmAbort(const QString& text)
{
    add(TMessageKind::ConfirmAbort, text);
    return ConfirmAnswers.isEmpty() ? DefaultConfirm : ConfirmAnswers.takeFirst();
}

void TScriptedInteraction::ShowErrorDetail(const QString& text, const QString& detail)
{
    add(TMessageKind::ErrorDetail, ErrorDetailText(text, detail));
}

int TScriptedInteraction::AskTwoButtons(const QString& text, const QString&, const QString&, const QString&)
{
    add(TMessageKind::TwoButtons, text);
    return TwoButtonAnswers.isEmpty() ? DefaultTwoButtons : TwoButtonAnswers.takeFirst();
}

int TScriptedInteraction::ChooseAlternative(const QString& prompt, const QString&, const QList<TChoiceRow>&)
{
    add(TMessageKind::Choice, prompt);
    return ChoiceAnswers.isEmpty() ? 0 : ChoiceAnswers.takeFirst();
}

int TScriptedInteraction::count(TMessageKind kind) const
{
    int n = 0;
    for (const auto& m : Shown)
        n += m.Kind == kind;
    return n;
}

QStringList TScriptedInteraction::texts() const
{
    QStringList out;
    for (const auto& m : Shown)
        out << m.Text;
    return out;
}

void TConsoleInteraction::ShowWarning(const QString& text) { Print("Предупреждение: ", text); }
void TConsoleInteraction::ShowError(const QString& text) { Print("Ошибка: ", text); }
void TConsoleInteraction::ShowInfo(const QString& text) { Print("", text); }
void TConsoleInteraction::ShowMessage(const QString& text) { Print("", text); }

bool TConsoleInteraction::Confirm(const QString& text)
{
    Print(AnswerYes ? "Вопрос (ответ: OK): " : "Вопрос (ответ: Отмена): ", text);
    return AnswerYes;
}

bool TConsoleInteraction::ConfirmAbort(const QString& text)
{
    Print(AnswerYes ? "Вопрос (ответ: OK): " : "Вопрос (ответ: Прервать): ", text);
    return AnswerYes;
}

void TConsoleInteraction::ShowErrorDetail(const QString& text, const QString& detail)
{
    Print("Ошибка: ", ErrorDetailText(text, detail));
}

int TConsoleInteraction::AskTwoButtons(const QString& text, const QString& b1, const QString&, const QString&)
{
    Print(AnswerYes ? "Вопрос (ответ: первая кнопка): " : "Вопрос (без ответа): ", text);
    return AnswerYes ? 1 : 0;
}

int TConsoleInteraction::ChooseAlternative(const QString& prompt, const QString& title,
                                           const QList<TChoiceRow>& rows)
{
    QString text = title + QStringLiteral(": ") + prompt;
    for (int i = 0; i < rows.size(); ++i)
        text += QStringLiteral("\n%1%2").arg(i == 0 ? QStringLiteral("* ") : QStringLiteral("  "),
                                             rows[i].Texts.join(QStringLiteral(" | ")));
    Print("Выбор (первая строка): ", text);
    return 0;
}

} // namespace vx
