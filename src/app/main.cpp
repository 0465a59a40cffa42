#include "app/VXApplication.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The standard dialogs speak Russian like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    vx::TValtrixApp valtrix;
    if (!valtrix.Start(app.arguments().mid(1)))
        return 1;
    return valtrix.Exec();
}
