#pragma once
#include <QString>

// The upload of an export file to the supplier's FTP server: connect, change to the remote
// directory, send the file under its name followed by "~", rename it to its own name,
// disconnect. A reader of the directory never sees a half-sent file under the real name.

namespace vx {

class TvxfSetup;

// The connection of section "FTP" of the settings.
struct TFtpSettings {
    QString Host;
    int Port = 21;
    QString UserName;
    QString Password;
    QString Dir;
    bool Upload = false;   // whether the export dialog's upload box starts ticked
};

TFtpSettings FtpSettingsOf(const TvxfSetup& setup);
// What the FTP setup dialog's OK does: all six values go back into the settings, which store
// them at exit.
void ApplyFtpSettings(TvxfSetup& setup, const TFtpSettings& settings);

// Uploads the local file; raises EValtrixError with the failure's text. The connection is
// closed on every path.
void FtpUpload(const QString& localFile, const TFtpSettings& settings);

// FtpUpload under the wait cursor, with "Заявка сохранена на сервер FTP." on success and
// "Неудачная попытка отправки файла на сервер. " and the failure's text otherwise.
bool UploadExportFile(const QString& localFile, const TFtpSettings& settings);

} // namespace vx
