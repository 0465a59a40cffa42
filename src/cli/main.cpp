#include "foundation/VXUserInteraction.h"
#include "VXVersion.h"
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
void Usage()
{
    std::fputs("Использование: valtrix-cli <команда> [параметры]\n"
               "  version                 версия программы\n",
               stderr);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        Usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("version") || command == QLatin1String("--version")) {
        std::printf("Valtrix Фурнитура %s\n", VALTRIX_VERSION_TEXT);
        return 0;
    }
    Usage();
    return 2;
}
