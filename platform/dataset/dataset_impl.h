#pragma once
// Inside of ClientDataSet: the loaded table, the settings, what is bound from them while the
// dataset is open, and the cursor over the visible rows.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/dataset/dataset.h"
#include "platform/dataset/filter.h"
#include "platform/dataset/order_index.h"
#include "platform/dataset/table.h"
#include "platform/dataset/view.h"

namespace expo::ds {

struct ClientDataSet::Impl {
    explicit Impl(const std::string& name) : name(name) {}

    const std::string& name;  // the dataset's, for messages

    // Declared field objects.
    std::vector<FieldDef> declared;

    // Loaded data and the fields seen through it.
    Table table;
    bool loaded = false;
    std::vector<FieldDef> fields;
    std::vector<const Column*> columns;  // of each field
    // Field by its name as written, and by the name's upper case.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    using FieldMap = std::unordered_map<std::string, int, NameHash, std::equal_to<>>;
    FieldMap fieldByExactName;
    FieldMap fieldByKey;
    uint64_t loads = 0;  // changes whenever the fields do

    // Settings.
    bool active = false;
    std::string filterText;
    bool filtered = false;
    std::string orderField;
    DataSource* masterSource = nullptr;
    std::string masterFields;
    std::string masterFieldName;  // masterFields trimmed
    int packetRecords = -1;

    // Bound from the settings while the dataset is open.
    std::optional<filter::Predicate> predicate;
    const Column* orderColumn = nullptr;
    const Column* linkField = nullptr;  // of this dataset, while linked
    IndexCache indexes;

    // The cursor. A detail brings it up to date with its master when it is next read, so the
    // readers below are const and these members mutable.
    mutable View view;
    mutable size_t position = 0;
    mutable bool atEof = true;
    mutable bool viewValid = false;
    mutable uint64_t moves = 0;  // cursor moves and rebuilt views: what details watch
    mutable const ClientDataSet* seenMaster = nullptr;
    mutable uint64_t seenMasterMoves = 0;
    mutable bool syncing = false;  // guards against a link that leads back to itself
    // The master's field of the link, found again when the master loads other data.
    mutable const Impl* masterOfColumn = nullptr;
    mutable uint64_t masterLoads = 0;
    mutable const Column* masterColumn = nullptr;

    [[noreturn]] void fail(const std::string& message) const;
    void checkActive() const;

    // Fields.
    int findField(std::string_view fieldName) const;  // -1 when there is none
    const Column* resolve(std::string_view fieldName) const;
    // The column of one field name; `purpose` ("ordering", "linking") words the refusal of a
    // list of fields.
    const Column* resolveSingle(const std::string& name, const char* purpose) const;
    void bindFields();
    void clearData();
    void refreshFieldKeys();  // fieldByKey from fields

    // Binding of the settings; each throws expo::Error and changes nothing on failure.
    std::optional<filter::Predicate> compileFilter(const std::string& text, bool on) const;
    const Column* resolveOrder(const std::string& field) const;
    bool linked() const;
    const Column* linkColumn() const;
    void bindLink();      // linkField from the settings, on an open dataset
    void bindSettings();  // on opening

    // The cursor.
    enum class Keep { First, Record };
    void rebuild(Keep keep) const;
    void sync() const;
    // Brings the master up to date; whether it moved since this view was built.
    bool syncMaster() const;
    // The current row after bringing the view up to date; nullopt when none is visible.
    std::optional<uint32_t> currentRow() const;

  private:
    std::optional<int64_t> masterKey() const;
    void fillView(const Column* link, int64_t key) const;
};

}  // namespace expo::ds
