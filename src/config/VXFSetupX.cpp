#include "config/VXFSetupX.h"
#include "config/CfgList.h"
#include "config/VXIniFile.h"
#include "config/VXRegistry.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"

namespace vx {

namespace {

const QString SFirm = QStringLiteral("Firm");
const QString SMoney = QStringLiteral("Money");
const QString STax = QStringLiteral("Tax");
const QString SPriceGroupNames = QStringLiteral("PriceGroupNames");
const QString SDefaults = QStringLiteral("Defaults");
const QString SReport = QStringLiteral("Report");
const QString SFTP = QStringLiteral("FTP");

// A number kept as text: every blank removed (an empty text counts as 0), a decimal comma
// or point. A text that is no number gives the default.
float ReadNumber(const TIniFile& ini, const QString& section, const QString& key, float def)
{
    QString text = RemoveBlanks(ini.ReadString(section, key, QString::number(def)));
    double v = 0;
    return TIniFile::ParseFloat(text, v) ? float(v) : def;
}

int HexDigit(QChar c)
{
    char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}

} // namespace

TvxfSetup::TvxfSetup() : TvxfSetup(RunPaths().SettingsFile) {}

TvxfSetup::TvxfSetup(const QString& settingsFile) : FileName(settingsFile)
{
    for (int i = 1; i <= 10; ++i)
        PriceGroupNames.append(QStringLiteral("?????? #%1").arg(i));
    if (PathExists(FileName))
        Load();
}

TvxfSetup::~TvxfSetup()
{
    if (Loaded)
        Store();
}

void TvxfSetup::Load()
{
    TIniFile ini(ResolvePath(FileName));
    try {
        if (!ini.Load())
            return;
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка чтения файла настроек!\r\n(%1)").arg(ExceptionText(e)));
        return;
    }
    ReadFile(ini);
    try {
        ReadRegistry();
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка чтения из системного реестра!\r\n(%1)").arg(ExceptionText(e)));
    }
    CreateDirectories();
    Loaded = true;
}

bool TvxfSetup::Store()
{
    bool ok = true;
    try {
        WriteRegistry();
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка записи в системный реестр!\r\n(%1)").arg(ExceptionText(e)));
        ok = false;
    }
    // The file is read afresh, so that what others changed in it meanwhile (keys we never
    // write, other sections) stays; it is rewritten only when a value differs.
    try {
        TIniFile ini(ResolvePath(FileName));
        ini.Load();
        WriteFile(ini);
        if (ini.Modified())
            ini.Save();
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка сохранения файла настроек!\r\n(%1)").arg(ExceptionText(e)));
        ok = false;
    }
    return ok;
}

void TvxfSetup::ReadFile(const TIniFile& ini)
{
    FirmName = ini.ReadString(SFirm, QStringLiteral("Name"));
    FirmLogo = ini.ReadString(SFirm, QStringLiteral("Logo"));
    FirmAddress = ini.ReadString(SFirm, QStringLiteral("Address"));
    FirmJustAddress = ini.ReadString(SFirm, QStringLiteral("JustAddress"));
    FirmZipCode = ini.ReadString(SFirm, QStringLiteral("ZipCode"));
    FirmPhone1 = ini.ReadString(SFirm, QStringLiteral("Phone1"));
    FirmPhone2 = ini.ReadString(SFirm, QStringLiteral("Phone2"));
    FirmPhone3 = ini.ReadString(SFirm, QStringLiteral("Phone3"));
    FirmFax = ini.ReadString(SFirm, QStringLiteral("Fax"));
    FirmEMail = ini.ReadString(SFirm, QStringLiteral("EMail"));
    FirmInternet = ini.ReadString(SFirm, QStringLiteral("Internet"));
    FirmINN = ini.ReadString(SFirm, QStringLiteral("INN"));
    FirmAccount = ini.ReadString(SFirm, QStringLiteral("Account"));
    FirmDirector = ini.ReadString(SFirm, QStringLiteral("Director"));
    FirmBookKeeper = ini.ReadString(SFirm, QStringLiteral("BookKeeper"));

    CurCurrency = ini.ReadInteger(SMoney, QStringLiteral("CurCurrency"), 0);

    NDSTax = ReadNumber(ini, STax, QStringLiteral("NDSTax"), 18);
    TotalNDS = ini.ReadBool(STax, QStringLiteral("TotalNDS"), true);
    ShowIncludingNDS = ini.ReadBool(STax, QStringLiteral("ShowIncludingNDS"), true);
    PriceGrpNo = ini.ReadInteger(STax, QStringLiteral("PriceGrpNo"), 0);

    for (int i = 1; i <= 10; ++i)
        PriceGroupNames[i - 1] = ini.ReadString(SPriceGroupNames, QString::number(i), PriceGroupNames[i - 1]);

    DefProfSys = ini.ReadString(SDefaults, QStringLiteral("DefProfSys"));
    DefFurnSys = ini.ReadString(SDefaults, QStringLiteral("DefFurnSys"));
    DefFurnSysGroup = ini.ReadInteger(SDefaults, QStringLiteral("DefFurnSysGroup"), 0);
    DefInnerProfColor = ini.ReadString(SDefaults, QStringLiteral("DefInnerProfColor"));
    DefOuterProfColor = ini.ReadString(SDefaults, QStringLiteral("DefOuterProfColor"));
    DefFurnColor = ini.ReadString(SDefaults, QStringLiteral("DefFurnColor"));
    DefHandle = ini.ReadString(SDefaults, QStringLiteral("DefHandle"));
    DefMaterial = ini.ReadInteger(SDefaults, QStringLiteral("DefMaterial"), 1);
    DefFalzType = ini.ReadInteger(SDefaults, QStringLiteral("DefFalzType"), 0);
    DefDornType = ini.ReadInteger(SDefaults, QStringLiteral("DefDornType"), 0);
    DefStulpFalzType = ini.ReadInteger(SDefaults, QStringLiteral("DefStulpFalzType"), 0);
    DefFlugelType = ini.ReadInteger(SDefaults, QStringLiteral("DefFlugelType"), 0);
    DefProfWidth = ReadNumber(ini, SDefaults, QStringLiteral("DefProfWidth"), 0);
    DefProfThickness = ReadNumber(ini, SDefaults, QStringLiteral("DefProfThickness"), 0);
    UserDefineHeight = ini.ReadBool(SDefaults, QStringLiteral("UserDefineHeight"), true);

    ReportLogo = ini.ReadString(SReport, QStringLiteral("Logo"));

    ftpHost = ini.ReadString(SFTP, QStringLiteral("ftpHost"));
    ftpPort = ini.ReadInteger(SFTP, QStringLiteral("ftpPort"), 21);
    ftpUserName = FromHexText(ini.ReadString(SFTP, QStringLiteral("ftpUserName")));
    ftpPassword = FromHexText(ini.ReadString(SFTP, QStringLiteral("ftpPassword")));
    ftpDir = ini.ReadString(SFTP, QStringLiteral("ftpDir"));
    ftpUpload = ini.ReadBool(SFTP, QStringLiteral("ftpUpload"), false);
}

void TvxfSetup::WriteFile(TIniFile& ini) const
{
    ini.WriteString(SDefaults, QStringLiteral("DefProfSys"), DefProfSys);
    ini.WriteString(SDefaults, QStringLiteral("DefInnerProfColor"), DefInnerProfColor);
    ini.WriteString(SDefaults, QStringLiteral("DefOuterProfColor"), DefOuterProfColor);
    ini.WriteString(SDefaults, QStringLiteral("DefFurnSys"), DefFurnSys);
    ini.WriteString(SDefaults, QStringLiteral("DefFurnColor"), DefFurnColor);
    ini.WriteString(SDefaults, QStringLiteral("DefHandle"), DefHandle);
    ini.WriteInteger(SDefaults, QStringLiteral("DefMaterial"), DefMaterial);
    ini.WriteInteger(SDefaults, QStringLiteral("DefFalzType"), DefFalzType);
    ini.WriteInteger(SDefaults, QStringLiteral("DefStulpFalzType"), DefStulpFalzType);
    ini.WriteInteger(SDefaults, QStringLiteral("DefFlugelType"), DefFlugelType);
    ini.WriteInteger(SDefaults, QStringLiteral("DefDornType"), DefDornType);
    ini.WriteSingle(SDefaults, QStringLiteral("DefProfWidth"), DefProfWidth);
    ini.WriteSingle(SDefaults, QStringLiteral("DefProfThickness"), DefProfThickness);

    ini.WriteInteger(SMoney, QStringLiteral("CurCurrency"), CurCurrency);

    ini.WriteSingle(STax, QStringLiteral("NDSTax"), NDSTax);

    ini.WriteString(SFirm, QStringLiteral("Name"), FirmName);
    ini.WriteString(SFirm, QStringLiteral("Logo"), FirmLogo);
    ini.WriteString(SFirm, QStringLiteral("Address"), FirmAddress);
    ini.WriteString(SFirm, QStringLiteral("JustAddress"), FirmJustAddress);
    ini.WriteString(SFirm, QStringLiteral("ZipCode"), FirmZipCode);
    ini.WriteString(SFirm, QStringLiteral("Phone1"), FirmPhone1);
    ini.WriteString(SFirm, QStringLiteral("Phone2"), FirmPhone2);
    ini.WriteString(SFirm, QStringLiteral("Phone3"), FirmPhone3);
    ini.WriteString(SFirm, QStringLiteral("Fax"), FirmFax);
    ini.WriteString(SFirm, QStringLiteral("EMail"), FirmEMail);
    ini.WriteString(SFirm, QStringLiteral("Internet"), FirmInternet);
    ini.WriteString(SFirm, QStringLiteral("INN"), FirmINN);
    ini.WriteString(SFirm, QStringLiteral("Account"), FirmAccount);
    ini.WriteString(SFirm, QStringLiteral("Director"), FirmDirector);
    ini.WriteString(SFirm, QStringLiteral("BookKeeper"), FirmBookKeeper);

    ini.WriteString(SFTP, QStringLiteral("ftpHost"), ftpHost);
    ini.WriteInteger(SFTP, QStringLiteral("ftpPort"), ftpPort);
    ini.WriteString(SFTP, QStringLiteral("ftpUserName"), HexText(ftpUserName));
    ini.WriteString(SFTP, QStringLiteral("ftpPassword"), HexText(ftpPassword));
    ini.WriteString(SFTP, QStringLiteral("ftpDir"), ftpDir);
    ini.WriteBool(SFTP, QStringLiteral("ftpUpload"), ftpUpload);
}

void TvxfSetup::ReadRegistry()
{
    TRegistry reg;
    reg.OpenKey(SetupRegistryKey, true);
    TechnologMainWinState = reg.ReadInteger(QStringLiteral("TechnologMainWinState"), 0);
    TechnologOrderWinState = reg.ReadInteger(QStringLiteral("TechnologOrderWinState"), 0);
    TechnologDesignWinState = reg.ReadInteger(QStringLiteral("TechnologDesignWinState"), 0);
    TechnologDesignFormW = reg.ReadInteger(QStringLiteral("TechnologDesignFormW"), 640);
    TechnologDesignFormH = reg.ReadInteger(QStringLiteral("TechnologDesignFormH"), 480);
    AlertIfNotFull = reg.ReadBool(QStringLiteral("AlertIfNotFull"), true);
    AutoReg = reg.ReadBool(QStringLiteral("AutoReg"), true);
    AutoOpenReg = reg.ReadBool(QStringLiteral("AutoOpenReg"), true);
    MoveToRecycled = reg.ReadBool(QStringLiteral("MoveToRecycled"), true);
    AutoLoadCurrency = reg.ReadBool(QStringLiteral("AutoLoadCurrency"), true);
}

void TvxfSetup::WriteRegistry() const
{
    TRegistry reg;
    reg.OpenKey(SetupRegistryKey, true);
    reg.WriteInteger(QStringLiteral("TechnologMainWinState"), TechnologMainWinState);
    reg.WriteInteger(QStringLiteral("TechnologOrderWinState"), TechnologOrderWinState);
    reg.WriteInteger(QStringLiteral("TechnologDesignWinState"), TechnologDesignWinState);
    reg.WriteInteger(QStringLiteral("TechnologDesignFormW"), TechnologDesignFormW);
    reg.WriteInteger(QStringLiteral("TechnologDesignFormH"), TechnologDesignFormH);
    reg.WriteBool(QStringLiteral("AlertIfNotFull"), AlertIfNotFull);
    reg.WriteBool(QStringLiteral("AutoReg"), AutoReg);
    reg.WriteBool(QStringLiteral("AutoOpenReg"), AutoOpenReg);
    reg.WriteBool(QStringLiteral("MoveToRecycled"), MoveToRecycled);
    reg.WriteBool(QStringLiteral("AutoLoadCurrency"), AutoLoadCurrency);
}

void TvxfSetup::CreateDirectories()
{
    const TRunPaths& p = RunPaths();
    for (const QString* dir : {&p.ServerDir, &p.OrdersDir, &p.RecycledDir, &p.ArchiveDir,
                               &p.SelectionDir, &p.ReportDir, &p.ExportDir}) {
        if (dir->isEmpty() || PathExists(*dir))
            continue;
        if (ForceDirectories(*dir) && dir == &p.RecycledDir)
            SetHiddenDir(*dir);
    }
}

void TvxfSetup::SetOrderContext(int currency, float ndsTax, const QList<TRateEntry>& rates)
{
    CurrentCurrency = currency;
    CurrentNDSTax = ndsTax;
    CurrentRates = rates;
}

QString TvxfSetup::FirmPhones() const
{
    QString line = FirmZipCode;
    bool first = true;
    for (const QString* phone : {&FirmPhone1, &FirmPhone2, &FirmPhone3, &FirmFax}) {
        if (phone->isEmpty())
            continue;
        line += first ? QLatin1Char(' ') : QLatin1Char(',');
        line += *phone;
        first = false;
    }
    return first ? QString() : line;
}

QString TvxfSetup::PriceGroupName(int n) const
{
    return n >= 1 && n <= PriceGroupNames.size() ? PriceGroupNames[n - 1] : QString();
}

QString TvxfSetup::HexText(const QString& text)
{
    return QString::fromLatin1(ToCp1251(text).toHex());
}

QString TvxfSetup::FromHexText(const QString& hex)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        int value = HexDigit(hex[i]);
        if (i + 1 < hex.size())
            value = value * 16 + HexDigit(hex[i + 1]);
        bytes.append(char(value));
    }
    return FromCp1251(bytes);
}

namespace {
TvxfSetup* InstalledSetup = nullptr;
}

TvxfSetup& Setup()
{
    if (!InstalledSetup)
        throw EValtrixError(QStringLiteral("Настройки программы не загружены!"));
    return *InstalledSetup;
}

void SetSetup(TvxfSetup* setup)
{
    InstalledSetup = setup;
}

bool HasSetup()
{
    return InstalledSetup != nullptr;
}

} // namespace vx
