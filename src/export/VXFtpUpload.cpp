#include "export/VXFtpUpload.h"
#include "config/VXFSetupX.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include <QFile>
#include <QUrl>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace vx {

TFtpSettings FtpSettingsOf(const TvxfSetup& setup)
{
    return {setup.ftpHost, setup.ftpPort, setup.ftpUserName, setup.ftpPassword, setup.ftpDir, setup.ftpUpload};
}

void ApplyFtpSettings(TvxfSetup& setup, const TFtpSettings& s)
{
    setup.ftpHost = s.Host;
    setup.ftpPort = s.Port;
    setup.ftpUserName = s.UserName;
    setup.ftpPassword = s.Password;
    setup.ftpDir = s.Dir;
    setup.ftpUpload = s.Upload;
}

namespace {

struct TCurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }   // sends QUIT and closes
};
struct TSlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

size_t ReadFromFile(char* buffer, size_t size, size_t count, void* user)
{
    auto* file = static_cast<QFile*>(user);
    const qint64 n = file->read(buffer, qint64(size * count));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

// "ftp://host/dir/name": every path segment percent-encoded; an absolute remote directory
// keeps its leading "/" as "%2F", so that the server changes to it and not below the login
// directory.
QByteArray UploadUrl(const TFtpSettings& s, const QString& remoteName)
{
    QString host = s.Host.trimmed();
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    QByteArray url = "ftp://" + QUrl::toAce(host);
    if (url == "ftp://")
        url += host.toUtf8();   // not a valid host name: let the client refuse it
    url += '/';
    QString dir = s.Dir.trimmed();
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (dir.startsWith(QLatin1Char('/')))
        url += "%2F";
    for (const QString& part : dir.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        url += QUrl::toPercentEncoding(part) + '/';
    url += QUrl::toPercentEncoding(remoteName);
    return url;
}

QString FailureText(CURLcode code, const char* detail, const TFtpSettings& s, const QString& name)
{
    QString text;
    switch (code) {
    case CURLE_URL_MALFORMAT:
        text = QStringLiteral("Неверно задан сервер [%1]").arg(s.Host);
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
        text = QStringLiteral("Сервер [%1] не найден").arg(s.Host);
        break;
    case CURLE_COULDNT_CONNECT:
        text = QStringLiteral("Нет соединения с сервером [%1:%2]").arg(s.Host).arg(s.Port);
        break;
    case CURLE_LOGIN_DENIED:
        text = QStringLiteral("Сервер отклонил учетную запись [%1] или пароль").arg(s.UserName);
        break;
    case CURLE_REMOTE_ACCESS_DENIED:
        text = QStringLiteral("Нет доступа к удаленному каталогу [%1]").arg(s.Dir);
        break;
    case CURLE_UPLOAD_FAILED:
        text = QStringLiteral("Сервер не принял файл [%1~]").arg(name);
        break;
    case CURLE_QUOTE_ERROR:
        text = QStringLiteral("Не удалось переименовать файл [%1~] в [%1]").arg(name);
        break;
    case CURLE_OPERATION_TIMEDOUT:
        text = QStringLiteral("Превышено время ожидания ответа сервера");
        break;
    case CURLE_READ_ERROR:
    case CURLE_ABORTED_BY_CALLBACK:
        text = QStringLiteral("Ошибка чтения файла [%1]").arg(name);
        break;
    default:
        text = QString::fromUtf8(curl_easy_strerror(code));
        break;
    }
    const QString reply = QString::fromUtf8(detail).trimmed();
    if (!reply.isEmpty())
        text += QStringLiteral(" (") + reply + QLatin1Char(')');
    return text;
}

} // namespace

void FtpUpload(const QString& localFile, const TFtpSettings& s)
{
    if (s.Port < 0 || s.Port > 65535)
        throw EValtrixError(QStringLiteral("Номер порта %1 вне диапазона от 0 до 65535").arg(s.Port));
    if (s.Host.trimmed().isEmpty())
        throw EValtrixError(QStringLiteral("Не задан сервер FTP"));
    const QString name = FileNamePart(localFile, false, true, true);
    QFile file(ResolvePath(localFile));
    if (!file.open(QIODevice::ReadOnly))
        throw EValtrixError(QStringLiteral("Не удалось открыть файл [%1]: %2").arg(localFile, file.errorString()));

    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    std::unique_ptr<CURL, TCurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw EValtrixError(QStringLiteral("Не удалось создать соединение FTP"));

    // The server gets the account in the code page the settings store it in.
    const QByteArray user = ToCp1251(s.UserName);
    const QByteArray password = ToCp1251(s.Password);
    const QByteArray url = UploadUrl(s, name + QLatin1Char('~'));
    const QByteArray renameFrom = "RNFR " + name.toUtf8() + '~';
    const QByteArray renameTo = "RNTO " + name.toUtf8();
    std::unique_ptr<curl_slist, TSlistDeleter> rename(curl_slist_append(nullptr, renameFrom.constData()));
    if (!rename || !curl_slist_append(rename.get(), renameTo.constData()))
        throw EValtrixError(QStringLiteral("Не удалось создать соединение FTP"));
    char detail[CURL_ERROR_SIZE] = {};

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PORT, long(s.Port));
    curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &ReadFromFile);
    curl_easy_setopt(c, CURLOPT_READDATA, &file);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(c, CURLOPT_POSTQUOTE, rename.get());
    curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    // A server that stops answering must not hold the program for ever.
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(c, CURLOPT_FTP_RESPONSE_TIMEOUT, 60L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);

    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK)
        throw EValtrixError(FailureText(code, detail, s, name));
}

bool UploadExportFile(const QString& localFile, const TFtpSettings& settings)
{
    try {
        TWaitCursor wait;
        FtpUpload(localFile, settings);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Неудачная попытка отправки файла на сервер. ") + ExceptionText(e));
        return false;
    }
    ShowInfo(QStringLiteral("Заявка сохранена на сервер FTP."));
    return true;
}

} // namespace vx
