#pragma once
#include "db/VXTableDef.h"
#include "foundation/VXDateTime.h"
#include "foundation/VXMoney.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

// The table engine: databases named by aliases, each a directory holding one database file
// named after its alias ("<dir>/ZNDB_Catalog.sqlite"); inside it one table per table file,
// named as the file without its extension ("FrnSet.DB" -> FrnSet).
//
// Empty fields are stored as NULL; they read as empty text or 0 and compare so in filters.
// Every failure raises EValtrixError with a Russian message; the guarded OpenDataSet and
// CloseDataSet show the message and answer false instead.

namespace vx {

class TDataSet;
class TTable;
class TQuery;
class TSqlDialect;

// ---------------------------------------------------------------------------------------------
// Database (a connection to one alias).

class TDatabase {
public:
    explicit TDatabase(const QString& aliasName = QString());
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    QString AliasName() const;
    void SetAliasName(const QString& alias);       // only while closed

    // The connection parameters as the data module gives them: "PATH=<dir>" and others
    // ("DEFAULT DRIVER=PARADOX", "ENABLE BCD=TRUE"), which are kept but have no effect here.
    QStringList Params() const;
    void SetParams(const QStringList& params);     // only while closed
    QString Directory() const;                     // the PATH parameter
    void SetDirectory(const QString& dir);         // replaces the PATH parameter
    QString FileName() const;                      // <dir>/<alias>.sqlite

    // Opens the database file, creating it when missing; raises on failure.
    void Open();
    void Close();                                  // closes every open table and query first
    bool Connected() const;
    // Close, SetParams, Open: the data module's reconnect.
    void Reconnect(const QStringList& params);

    // Table definitions known to this database: they give fields their kinds, sizes,
    // captions, lookups and the index names. Registering replaces a definition of the same
    // name. A table present in the file without a registered definition is described from
    // the file itself (fields, types and indexes, no captions or lookups).
    void RegisterTable(const TTableDef& def);
    void RegisterTables(const QList<TTableDef>& defs);
    const TTableDef* FindTableDef(const QString& tableName) const;   // file or SQL name
    QList<TTableDef> TableDefs() const;

    // Structure (the database must be connected).
    bool TableExists(const QString& tableName) const;
    QStringList TableNames() const;                // SQL names of the tables in the file
    void CreateTable(const TTableDef& def);        // also registers the definition
    void DropTable(const QString& tableName);
    // Deletes every record of a table; open table objects over it are closed for it and
    // opened again afterwards.
    void EmptyTable(const QString& tableName);

    // Transactions (not nested).
    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const;

    // Runs a statement that returns no rows (for maintenance and tests).
    void ExecSQL(const QString& sql, const QVariantList& params = {});

    // The open database with this alias (case-insensitive), or nullptr: queries reach the
    // aliases they name through it.
    static TDatabase* FindDatabase(const QString& alias);

    // Commits of other connections to the same file (other programs, or other connections of
    // this one) make the tables kept in memory read again. Writes through the objects of this
    // process are seen at once; those of other programs when the file is next checked: when
    // a cached table is opened, filtered, searched or refreshed, at most once per interval
    // (250 ms unless set), and at every CheckExternalChanges.
    static void SetExternalCheckInterval(int milliseconds);
    static int ExternalCheckInterval();
    void CheckExternalChanges();

    // For the engine's own classes.
    struct TImpl;
    TImpl& Impl() const { return *D; }

private:
    std::unique_ptr<TImpl> D;
};

// ---------------------------------------------------------------------------------------------
// Fields.

enum class TDataSetState { Inactive, Browse, Edit, Insert };

class TField {
public:
    TField(TDataSet* dataSet, int index, const QString& name, TFieldType type, int size,
           TFieldKind kind, const QString& caption);

    TDataSet& DataSet() const { return *FDataSet; }
    int Index() const { return FIndex; }           // position in the data set's fields
    const QString& FieldName() const { return FName; }
    TFieldType DataType() const { return FType; }
    int Size() const { return FSize; }             // characters or decimals, see TFieldDef
    TFieldKind FieldKind() const { return FKind; }
    QString DisplayLabel() const { return FCaption.isEmpty() ? FName : FCaption; }
    void SetDisplayLabel(const QString& caption) { FCaption = caption; }
    // Auto-increment and lookup fields cannot be written; neither can a field marked so.
    bool ReadOnly() const;
    void SetReadOnly(bool value) { FReadOnly = value; }

    bool IsNull() const;
    QString AsString() const;       // empty field: ""; numbers with a comma, dates dd.mm.yyyy
    qint32 AsInteger() const;       // empty field: 0; fractions rounded half to even
    double AsFloat() const;
    TMoney AsCurrency() const;
    TDateTime AsDateTime() const;
    bool AsBoolean() const;
    QVariant AsVariant() const;     // null QVariant for an empty field
    QVariant Value() const { return AsVariant(); }

    // Writing needs the edit or insert state (calculated fields may be written any time);
    // text is cut to the declared size; a value that does not convert raises.
    void SetAsString(const QString& value);
    void SetAsInteger(qint32 value);
    void SetAsFloat(double value);
    void SetAsCurrency(TMoney value);
    void SetAsDateTime(TDateTime value);
    void SetAsBoolean(bool value);
    void SetAsVariant(const QVariant& value);
    void SetValue(const QVariant& value) { SetAsVariant(value); }
    void Clear();                   // makes the field empty

private:
    TDataSet* FDataSet;
    int FIndex;
    QString FName;
    TFieldType FType;
    int FSize;
    TFieldKind FKind;
    QString FCaption;
    bool FReadOnly = false;
};

// ---------------------------------------------------------------------------------------------
// Data sets: the common base of tables and queries.

struct TBookmark {
    qint64 Key = 0;
    bool Set = false;
    bool IsNull() const { return !Set; }
};

struct TLocateOptions {
    bool CaseInsensitive = false;
    bool PartialKey = false;        // the field begins with the value
};

enum class TDataEvent {
    DataSetChanged,     // opened, closed, rows or order changed, refreshed, posted, deleted
    RecordChanged,      // the current record moved
    StateChanged,       // edit, insert, browse
};
using TDataSetObserver = std::function<void(TDataSet&, TDataEvent)>;

class TDataSet {
public:
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    // A name for messages: the table file name or the SQL text.
    virtual QString DisplayName() const = 0;

    void Open();
    void Close();
    bool Active() const { return FState != TDataSetState::Inactive; }
    void SetActive(bool value) { value ? Open() : Close(); }
    TDataSetState State() const { return FState; }

    // Fields in table order: data fields, then calculated ones in their declared places,
    // then lookups.
    int FieldCount() const { return int(FFields.size()); }
    TField* Fields(int index) const;
    TField* FieldByName(const QString& name) const;   // raises when missing
    TField* FindField(const QString& name) const;     // nullptr when missing
    QStringList FieldNames() const;
    // Changes whenever field objects are made or destroyed (no two data sets share a value):
    // callers may keep field pointers while it stays the same.
    quint64 FieldsVersion() const { return FLayout; }

    bool IsEmpty();
    int RecordCount();
    int RecNo();                     // 1-based position of the current record, 0 when none

    void First();
    void Next();
    void Prior();
    void Last();
    int MoveBy(int distance);        // answers the distance actually moved
    bool Eof();
    bool Bof();

    TBookmark GetBookmark();
    void GotoBookmark(const TBookmark& bookmark);     // raises when the record is not shown
    bool BookmarkValid(const TBookmark& bookmark);
    void FreeBookmark(TBookmark& bookmark) { bookmark = TBookmark(); }

    // The first record (in the current order) whose field equals the value; exact and
    // case-sensitive unless told otherwise. Leaves the cursor where it was when none.
    bool Locate(const QString& field, const QVariant& value, TLocateOptions options = {});
    bool Locate(const QStringList& fields, const QVariantList& values, TLocateOptions options = {});

    void Edit();
    void Insert();
    void Append();
    void Post();                     // auto-increment fields get their values here
    void Cancel();
    void Delete();
    // Re-reads the rows; the cursor stays on its record when it is still shown.
    void Refresh();

    // Bound controls are not told of changes while disabled; the last EnableControls tells
    // them once. Pairs nest.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount > 0; }
    int AddObserver(TDataSetObserver observer);       // answers an id for RemoveObserver
    void RemoveObserver(int id);

    // Called whenever a record is read, to fill calculated fields (SetAs... on them).
    std::function<void(TDataSet&)> OnCalcFields;

protected:
    TDataSet();

    // --- for the subclasses
    virtual void DoOpen() = 0;                        // builds the fields (AddField)
    virtual void DoClose() = 0;
    virtual int DoRowCount() = 0;
    // Fills the data and lookup values of the record at pos (calculated ones stay empty).
    virtual void DoReadRow(int pos, std::vector<QVariant>& values) = 0;
    virtual qint64 DoRowKey(int pos) = 0;
    virtual int DoFindRowKey(qint64 key) = 0;         // -1 when not shown
    // Writes a record; answers its key. Raises on failure (the state is kept then).
    virtual qint64 DoPost(bool inserting, qint64 key, const std::vector<QVariant>& values,
                          const std::vector<bool>& modified) = 0;
    virtual void DoDelete(qint64 key) = 0;
    virtual void DoRefresh() = 0;                     // forget rows read so far
    // Position of the first matching record from the first one, or -1.
    virtual int DoLocate(const std::vector<int>& fields, const QVariantList& values,
                         TLocateOptions options);
    // Data sets that read single fields cheaply: the current record is then read field by
    // field as asked for (not with calculated fields, which need the whole record).
    virtual bool DoReadsFields() const { return false; }
    virtual QVariant DoReadField(int pos, int field) { return QVariant(); }
    // A whole number or a text read straight from such a store, as AsInteger and AsString
    // would give it; false when the field is not kept so (it is then read as a variant).
    virtual bool DoReadInt(int pos, int field, qint32& value) { return false; }
    virtual bool DoReadText(int pos, int field, QString& value) { return false; }
    // Locate of one field (the usual one).
    virtual int DoLocateOne(int field, const QVariant& value, TLocateOptions options);

    TField* AddField(const QString& name, TFieldType type, int size, TFieldKind kind,
                     const QString& caption);
    void ClearFields();
    // Rows or order changed: to the record with the key when it is still shown, otherwise to
    // the record at fallbackPos (clamped); tells the observers.
    void RowsChanged(const TBookmark& keep = TBookmark(), int fallbackPos = 0);
    void Notify(TDataEvent event);
    void CheckActive() const;
    void CheckBrowse(const char* operation) const;
    // Positions on pos (clamped) without telling anyone.
    void SetPosition(int pos);
    int CurrentPos() const { return FPos; }
    // Posts a pending edit (cancels one that changed nothing) before the cursor moves.
    void CheckBrowseMode();
    // Compares a field's value (as kept) with a wanted value the way Locate does.
    static bool ValueMatches(TFieldType type, const QVariant& stored, const QVariant& wanted,
                             TLocateOptions options);

private:
    friend class TField;
    const QVariant& CurrentValue(int field);
    bool DirectRead(int field) const;
    void SetFieldValue(int field, const QVariant& value);
    void LoadCurrent();
    void ReadRecord(int pos, std::vector<QVariant>& values);
    int Count() { return DoRowCount(); }
    void IndexFields();
    int FFieldBuild = 0;

    std::vector<std::unique_ptr<TField>> FFields;
    QHash<QString, int> FFieldIndex;                 // lower-case name -> index
    QHash<QString, int> FFieldExact;                 // the name as declared -> index
    quint64 FLayout = 0;
    TDataSetState FState = TDataSetState::Inactive;
    int FPos = -1;
    bool FBof = true;
    bool FEof = true;
    std::vector<QVariant> FBuffer;
    bool FBufferValid = false;
    bool FPartial = false;                           // FBuffer holds only the fields read
    quint64 FStamp = 0;
    std::vector<quint64> FFieldStamp;                // field -> FStamp when read
    std::vector<bool> FModified;
    qint64 FEditKey = 0;
    int FDisableCount = 0;
    bool FPendingChange = false;
    int FNextObserverId = 1;
    std::vector<std::pair<int, TDataSetObserver>> FObservers;
    bool FInCalc = false;
};

// A field of a long-lived data set found by name once: hot paths keep one per name instead
// of looking the name up at every read. Raises as FieldByName does.
class TFieldRef {
public:
    explicit TFieldRef(const char* latin1Name) : FName(latin1Name) {}
    TField* Of(const TDataSet& set)
    {
        if (&set != FSet || set.FieldsVersion() != FVersion || !FField) {
            FField = set.FieldByName(QLatin1String(FName));
            FSet = &set;
            FVersion = set.FieldsVersion();
        }
        return FField;
    }

private:
    const char* FName;
    const TDataSet* FSet = nullptr;
    quint64 FVersion = 0;
    TField* FField = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Table object.

class TTable : public TDataSet {
public:
    explicit TTable(TDatabase* database = nullptr, const QString& tableName = QString());
    ~TTable() override;

    TDatabase* Database() const { return FDatabase; }
    void SetDatabase(TDatabase* database);           // only while closed
    QString TableName() const { return FTableName; } // the file name, e.g. "FrnSet.DB"
    void SetTableName(const QString& name);          // only while closed
    QString DisplayName() const override { return FTableName; }
    // The definition in use (valid while open).
    const TTableDef& Def() const;

    // Order: by index name (empty = primary key; unknown names raise) or by a list of field
    // names separated by ";" (the leading fields of some index; otherwise it raises).
    // Setting one clears the other. A table without a primary key shows its records in the
    // order they were added.
    QString IndexName() const { return FIndexName; }
    void SetIndexName(const QString& name);
    QString IndexFieldNames() const { return FIndexFieldNames; }
    void SetIndexFieldNames(const QString& fields);
    QStringList IndexNames() const;                  // of the definition, primary key as ""
    // The current record becomes the first whose leading fields of the current index equal
    // the values (compared as the index does); false leaves the cursor where it was.
    bool FindKey(const QVariantList& values);

    // Filter: field names, = <> < <= > >=, and, or, not, parentheses, text in single quotes
    // ('' inside for a quote), integer and decimal constants with ".". An empty field
    // compares as '' or 0. A text that does not parse, or names an unknown field, raises
    // naming the filter.
    QString Filter() const { return FFilter; }
    void SetFilter(const QString& filter);
    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool value);

    // Deletes every record; when open the table is closed for it and opened again.
    void EmptyTable();
    bool Exists() const;

    // A read-mostly table (the catalog's): its rows are read once into memory, shared by every
    // cached object of the table, and orders, filters, Locate, FindKey and lookups are
    // answered there with exactly the answers of the database. Every change of the table is
    // seen at the next access: a record posted through a table object is put into the rows
    // in memory, any other change (deletes, statements, imports, other connections, see
    // TDatabase::CheckExternalChanges) makes the rows read again. Set while closed.
    bool Cached() const { return FCached; }
    void SetCached(bool value);

    struct TImpl;

protected:
    void DoOpen() override;
    void DoClose() override;
    int DoRowCount() override;
    void DoReadRow(int pos, std::vector<QVariant>& values) override;
    qint64 DoRowKey(int pos) override;
    int DoFindRowKey(qint64 key) override;
    qint64 DoPost(bool inserting, qint64 key, const std::vector<QVariant>& values,
                  const std::vector<bool>& modified) override;
    void DoDelete(qint64 key) override;
    void DoRefresh() override;
    int DoLocate(const std::vector<int>& fields, const QVariantList& values,
                 TLocateOptions options) override;
    bool DoReadsFields() const override;
    QVariant DoReadField(int pos, int field) override;
    bool DoReadInt(int pos, int field, qint32& value) override;
    bool DoReadText(int pos, int field, QString& value) override;
    int DoLocateOne(int field, const QVariant& value, TLocateOptions options) override;

private:
    void ApplyOrderAndFilter(const QString& indexName, const QString& indexFields,
                             const QString& filter, bool filtered);
    // The rows in memory.
    void MemApply(const QString& indexName, const QString& indexFields, const QString& filter, bool filtered);
    void MemSync();
    void MemBuildRows();
    int MemPositionOfRow(int row);
    QVariant MemLookupValue(size_t lookup, int row);
    int MemLocate(const int* fields, const QVariant* values, size_t count, TLocateOptions options);

    TDatabase* FDatabase;
    QString FTableName;
    QString FIndexName;
    QString FIndexFieldNames;
    QString FFilter;
    bool FFiltered = false;
    bool FCached = false;
    std::unique_ptr<TImpl> D;
};

// ---------------------------------------------------------------------------------------------
// Local SQL query: SELECT of columns or *, FROM one or two tables named ":ALIAS:File.DB"
// (quoted, with correlation names) or "File.DB" of the query's own database, WHERE with =,
// IN lists, AND and parameters (":Name"). The rows are read at open; edits of a query change
// only the rows in memory and are never written back.

class TQuery : public TDataSet {
public:
    explicit TQuery(TDatabase* database = nullptr);
    ~TQuery() override;

    TDatabase* Database() const { return FDatabase; }
    void SetDatabase(TDatabase* database);           // for table names without alias
    QString SQL() const { return FSQL; }
    void SetSQL(const QString& sql);                 // only while closed
    void SetSQL(const QStringList& lines);           // lines joined with line breaks
    QString DisplayName() const override { return FSQL; }

    // Parameters written ":Name" in the text, case-insensitive.
    void SetParam(const QString& name, const QVariant& value);
    QVariant Param(const QString& name) const;
    void ClearParams();

    // The text as sent to the database (after Open or TranslatedSQL()).
    QString TranslatedSQL() const;
    // Runs a statement without result rows (INSERT, UPDATE, DELETE); answers the rows touched.
    int ExecSQL();

    struct TImpl;

protected:
    void DoOpen() override;
    void DoClose() override;
    int DoRowCount() override;
    void DoReadRow(int pos, std::vector<QVariant>& values) override;
    qint64 DoRowKey(int pos) override;
    int DoFindRowKey(qint64 key) override;
    qint64 DoPost(bool inserting, qint64 key, const std::vector<QVariant>& values,
                  const std::vector<bool>& modified) override;
    void DoDelete(qint64 key) override;
    void DoRefresh() override;

private:
    void Load(bool defineFields);

    TDatabase* FDatabase;
    QString FSQL;
    QHash<QString, QVariant> FParams;                // lower-case name -> value
    std::unique_ptr<TImpl> D;
};

// ---------------------------------------------------------------------------------------------
// Fast writing of many records (imports): one prepared INSERT, values by field position of the
// definition's data fields. Auto-increment values are written as given; an empty QVariant
// writes an empty field; text is cut to its size.

class TBulkInsert {
public:
    TBulkInsert(TDatabase& database, const QString& tableName);
    ~TBulkInsert();
    const TTableDef& Def() const;
    QList<TFieldDef> Fields() const;                 // the data fields, in value order
    void Insert(const QVariantList& values);
    // Values by field name (case-insensitive); fields not named are empty.
    void Insert(const QHash<QString, QVariant>& values);
    int Count() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> D;
};

// ---------------------------------------------------------------------------------------------
// Guarded open and close: show the error and answer false.

bool OpenDataSet(TDataSet* dataSet);
bool CloseDataSet(TDataSet* dataSet);

} // namespace vx
