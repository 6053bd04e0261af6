#pragma once
// The client dataset: an in-memory table loaded from a data packet, seen through a cursor with
// a filter, an order and an optional master/detail link. Shared by every reader: the filter,
// order, link and position one reader leaves stay until another changes them.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/packet.h"

namespace expo::ds {

class ClientDataSet;

// A data source: what a detail dataset links to.
class DataSource {
public:
    explicit DataSource(std::string name, ClientDataSet* dataSet = nullptr)
        : name_(std::move(name)), dataSet_(dataSet) {}
    const std::string& name() const { return name_; }
    ClientDataSet* dataSet() const { return dataSet_; }
    void setDataSet(ClientDataSet* ds) { dataSet_ = ds; }

private:
    std::string name_;
    ClientDataSet* dataSet_;
};

// A field of an open dataset, read at the cursor's current record.
class Field {
public:
    Field(const ClientDataSet* ds, int column) : ds_(ds), column_(column) {}
    const std::string& name() const;
    FieldType type() const;
    bool isNull() const;
    // Text: empty for null; integers in decimal; booleans "True"/"False".
    std::string asString() const;
    // Integer: 0 for null; text converted (throws expo::Error when it is not a number).
    int asInteger() const;
    const Value& value() const;

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

    // Declared field objects: a load fails when the file lacks one of them. Name aliases let a
    // field object read a column of another name (CDSDoplnInf's "LOGO_ID" reads `logo_id`).
    void declareField(FieldDef def);
    void declareAlias(std::string alias, std::string column);
    void removeField(std::string_view name);  // before loading
    const std::vector<FieldDef>& declaredFields() const;

    // Replaces records and structure from a data file and opens the dataset. Throws expo::Error
    // carrying the reason; the dataset is then closed and keeps nothing of the failed file.
    void loadFromFile(const std::string& path);
    void loadFromPacket(Packet packet);

    bool active() const;
    void open();   // keeps the records loaded
    void close();  // keeps the records loaded

    // Structure of the loaded data.
    const std::vector<FieldDef>& fields() const;

    // Field by name, without regard to case; throws expo::Error naming the dataset and field
    // when there is none. `findField` gives nullopt instead.
    Field fieldByName(std::string_view name) const;
    std::optional<Field> findField(std::string_view name) const;
    std::string text(std::string_view field) const { return fieldByName(field).asString(); }
    int integer(std::string_view field) const { return fieldByName(field).asInteger(); }

    // Filter (operation 5): setting the switch on an open dataset moves to the first visible
    // record; changing the expression while the switch is on applies it at once. On a closed
    // dataset both are only stored. A bad expression throws expo::Error when applied.
    void setFilter(std::string expression);
    const std::string& filter() const;
    void setFiltered(bool on);
    bool filtered() const;

    // Order by one field name, ascending and stable; empty = file order.
    void setIndexFieldNames(std::string field);
    const std::string& indexFieldNames() const;

    // Master/detail link on "KAT_ID" style field lists; null source or empty fields unlink.
    void setMasterSource(DataSource* source);
    void setMasterFields(std::string fields);
    void setPacketRecords(int n);
    int packetRecords() const;

    // Navigation (operations 8 and 9).
    void first();
    void next();
    bool eof() const;
    int recordCount() const;

    // Implementation detail used by Field.
    struct Impl;
    const Impl& impl() const { return *impl_; }

private:
    std::string name_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace expo::ds
