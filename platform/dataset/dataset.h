#pragma once
// The client dataset: an in-memory table loaded from a data packet, seen through a cursor with
// a filter, an order and an optional master/detail link. Shared by every reader: the filter,
// order, link and position one reader leaves stay until another changes them.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/packet.h"

namespace expo::ds {

class ClientDataSet;
struct Table;

// A data source: what a detail dataset links to.
class DataSource {
  public:
    DataSource(std::string name, ClientDataSet* dataSet)
        : name_(std::move(name)), dataSet_(dataSet) {}
    const std::string& name() const { return name_; }
    ClientDataSet* dataSet() const { return dataSet_; }

  private:
    std::string name_;
    ClientDataSet* dataSet_;
};

// A field of a dataset, read at the cursor's current record. Reading a field of a closed
// dataset throws expo::Error; on an open dataset without a visible record every field is null.
class Field {
  public:
    Field(const ClientDataSet* ds, int column) : ds_(ds), column_(column) {}
    const std::string& name() const;
    FieldType type() const;
    bool isNull() const;
    // Text: empty for null; integers in decimal; booleans "True"/"False"; dates, times and
    // timestamps as formatDate, formatTime and formatTimestamp; blobs their bytes. Fixed-length
    // text comes as stored, trailing blanks included.
    std::string asString() const;
    // Integer: 0 for null; text converted (throws expo::Error when it is not a number).
    int asInteger() const;
    Value value() const;

  private:
    const ClientDataSet* ds_;
    int column_;
};

class ClientDataSet {
  public:
    explicit ClientDataSet(std::string name);
    ~ClientDataSet();
    ClientDataSet(const ClientDataSet&) = delete;
    ClientDataSet& operator=(const ClientDataSet&) = delete;

    const std::string& name() const { return name_; }

    // Declared field objects: a load fails when the file lacks one of them (or holds it with a
    // type of another kind). With field objects declared, exactly they are the dataset's
    // fields; without, the file's columns are.
    void declareField(FieldDef def);
    void removeField(std::string_view name);  // on a closed dataset; an unknown name is ignored
    const std::vector<FieldDef>& declaredFields() const;

    // Replaces records and structure from a data file and opens the dataset. Throws expo::Error
    // carrying the reason; the dataset is then closed and keeps nothing of the failed file.
    void loadFromFile(const std::string& path);
    void loadFromPacket(Packet packet);
    // The same with the table that `read` gives (a file read beforehand, say); what it throws
    // fails the load as a reader's error does.
    void loadFromTable(const std::function<Table()>& read);

    bool active() const;
    void open();   // keeps the records loaded; applies the stored filter, order and link
    void close();  // keeps the records loaded

    // Structure of the loaded data (the declared fields when there are any).
    const std::vector<FieldDef>& fields() const;

    // Field by name, without regard to case; throws expo::Error naming the dataset and field
    // when there is none. `findField` gives nullopt instead.
    Field fieldByName(std::string_view name) const;
    std::optional<Field> findField(std::string_view name) const;
    std::string text(std::string_view field) const { return fieldByName(field).asString(); }
    int integer(std::string_view field) const { return fieldByName(field).asInteger(); }

    // Filter: an expression and a switch. With the switch on only the records for which the
    // expression holds are visible; an empty expression lets every record through. On an
    // open dataset, setting the switch (to either value, also the one it has) moves to the
    // first visible record, and changing the expression while the switch is on applies it at
    // once and moves to the first visible record. On a closed dataset both are only stored and
    // take effect when it opens. A bad expression throws expo::Error when it is applied, and
    // the dataset then stays as it was.
    void setFilter(std::string expression);
    const std::string& filter() const;
    void setFiltered(bool on);
    bool filtered() const;

    // Order by one field name, ascending and stable (integers by value, text by the Czech
    // collation, nulls first); empty = file order. The cursor stays on its record.
    void setIndexFieldNames(std::string field);
    const std::string& indexFieldNames() const;
    // Builds now what ordering by `field`, or a filter or link by its values, would build at
    // its first use: a caller makes the first use as quick as the later ones. Nothing happens
    // when the dataset holds no records or no such field.
    void prepareIndex(std::string_view field) const;

    // Master/detail link: while a master source with a dataset and a master field are set,
    // only the records whose field of that name equals the master's current value are
    // visible, and every move of the master brings the detail to its first such record. The
    // link field holds integers. A null source or empty fields unlink.
    void setMasterSource(DataSource* source);
    DataSource* masterSource() const;
    void setMasterFields(std::string fields);
    const std::string& masterFields() const;
    void setPacketRecords(int n);  // kept for the caller; the engine holds every record
    int packetRecords() const;

    // Navigation. `eof` is set when no record is visible or when `next` was asked to move past
    // the last one (the cursor then stays on the last record).
    void first();
    void next();
    bool eof() const;
    int recordCount() const;  // visible records, under filter and link

    // Implementation detail used by Field.
    struct Impl;
    const Impl& impl() const { return *impl_; }

  private:
    // Loads what `read` gives; on any failure the dataset is left closed and empty.
    void replaceData(const std::function<Table()>& read);

    std::string name_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace expo::ds
