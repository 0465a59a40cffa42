#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

class TIniFile;

// One currency of the current order's rate list: the code and its rate.
struct TRateEntry {
    int ID = 0;
    float Rate = 0;
    bool operator==(const TRateEntry&) const = default;
};

// Registry key of the user's options and window states.
inline const QString SetupRegistryKey = QStringLiteral("\\SoftWare\\Kestra\\Valtrix\\Dezeduder380");

// The application's settings: the firm, defaults of new orders, money, VAT, the FTP
// connection (all from the configuration's settings file, shared by every user of the
// catalog) and the user's options and window states (from the user's registry). Created
// after the configuration is chosen; destroying it stores everything when it was loaded.
class TvxfSetup {
public:
    // Reads the settings file (by default the one of the chosen configuration), then the
    // registry values, then creates the missing server directories. A missing file leaves
    // Loaded false and everything at its default.
    explicit TvxfSetup(const QString& settingsFile);
    TvxfSetup();
    ~TvxfSetup();
    TvxfSetup(const TvxfSetup&) = delete;
    TvxfSetup& operator=(const TvxfSetup&) = delete;

    // Writes the registry values, then the settings file; each failure is shown in an error
    // box. False when something could not be stored.
    bool Store();

    bool Loaded = false;        // the settings file existed at creation
    QString FileName;

    // [Firm]
    QString FirmName;
    QString FirmLogo;
    QString FirmAddress;
    QString FirmJustAddress;
    QString FirmZipCode;        // telephone area code
    QString FirmPhone1;
    QString FirmPhone2;
    QString FirmPhone3;
    QString FirmFax;
    QString FirmEMail;
    QString FirmInternet;
    QString FirmINN;
    QString FirmAccount;
    QString FirmDirector;
    QString FirmBookKeeper;

    // [Money], [Tax]
    int CurCurrency = 0;
    float NDSTax = 18;
    bool TotalNDS = true;
    bool ShowIncludingNDS = true;
    int PriceGrpNo = 0;

    // [PriceGroupNames]: captions of the discount columns Reduce_1 .. Reduce_10.
    QStringList PriceGroupNames;

    // [Defaults]
    QString DefProfSys;
    QString DefFurnSys;
    int DefFurnSysGroup = 0;
    QString DefInnerProfColor;
    QString DefOuterProfColor;
    QString DefFurnColor;
    QString DefHandle;
    int DefMaterial = 1;
    int DefFalzType = 0;
    int DefDornType = 0;
    int DefStulpFalzType = 0;
    int DefFlugelType = 0;
    float DefProfWidth = 0;
    float DefProfThickness = 0;
    bool UserDefineHeight = true;

    // [Report]
    QString ReportLogo;

    // [FTP]
    QString ftpHost;
    int ftpPort = 21;
    QString ftpUserName;
    QString ftpPassword;
    QString ftpDir;
    bool ftpUpload = false;

    // Registry values.
    int TechnologMainWinState = 0;      // 0 normal, 1 minimised, 2 maximised
    int TechnologOrderWinState = 0;
    int TechnologDesignWinState = 0;
    int TechnologDesignFormW = 640;
    int TechnologDesignFormH = 480;
    bool AlertIfNotFull = true;
    bool AutoReg = true;
    bool AutoOpenReg = true;
    bool MoveToRecycled = true;
    bool AutoLoadCurrency = true;

    // Not stored: the main window's "Режим отладки".
    bool DebugMode = false;

    // Not stored: the current-order context, published by the active order or selection
    // window and read by the catalog service for prices.
    int CurrentCurrency = 0;
    float CurrentNDSTax = 0;
    QList<TRateEntry> CurrentRates;
    void SetOrderContext(int currency, float ndsTax, const QList<TRateEntry>& rates);

    // The firm's telephone line: the area code, then each non-empty one of Phone1, Phone2,
    // Phone3 and Fax, the first after a blank and the others after a comma.
    QString FirmPhones() const;
    // Caption of discount column n (1..10).
    QString PriceGroupName(int n) const;

    // The steps of creation and storing, one by one.
    void ReadFile(const TIniFile& ini);
    void WriteFile(TIniFile& ini) const;
    void ReadRegistry();     // throws EValtrixError
    void WriteRegistry() const;   // throws EValtrixError
    // Creates the missing server, order, recycled (hidden), archive, selection, report and
    // export directories of the chosen configuration.
    static void CreateDirectories();

    // Two lowercase hexadecimal digits per Windows-1251 byte, and back (a last single digit
    // is one byte, a character that is no hexadecimal digit counts as 0).
    static QString HexText(const QString& text);
    static QString FromHexText(const QString& hex);

private:
    void Load();
};

// The settings object of the running program (not owned); Setup() raises when none is set.
TvxfSetup& Setup();
void SetSetup(TvxfSetup* setup);
bool HasSetup();

} // namespace vx
