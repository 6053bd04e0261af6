// The client dataset: fields, loading, and the settings (filter, order, link) with their
// timing. The cursor itself is in cursor.cpp.
#include "platform/dataset/dataset.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/dataset/dataset_impl.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::ds {
namespace {

// Kinds of field types that a declared field object accepts from the file.
int typeFamily(FieldType t) {
    return isTextType(t) ? -1 : static_cast<int>(t);
}

std::string fieldKey(std::string_view name) {
    return text::upper(name);
}

}  // namespace

// --- Impl: fields and binding --------------------------------------------------------------

void ClientDataSet::Impl::fail(const std::string& message) const {
    throw Error(name.empty() ? message : name + ": " + message);
}

void ClientDataSet::Impl::checkActive() const {
    if (!active) {
        fail("Cannot perform this operation on a closed dataset");
    }
}

int ClientDataSet::Impl::findField(std::string_view fieldName) const {
    if (const auto exact = fieldByExactName.find(fieldName); exact != fieldByExactName.end()) {
        return exact->second;
    }
    const auto it = fieldByKey.find(fieldKey(fieldName));
    return it == fieldByKey.end() ? -1 : it->second;
}

const Column* ClientDataSet::Impl::resolve(std::string_view fieldName) const {
    const int i = findField(fieldName);
    return i < 0 ? nullptr : columns[static_cast<size_t>(i)];
}

void ClientDataSet::Impl::refreshFieldKeys() {
    fieldByExactName.clear();
    fieldByKey.clear();
    for (size_t i = 0; i < fields.size(); ++i) {
        fieldByKey.emplace(fieldKey(fields[i].name), static_cast<int>(i));
    }
    // A name as written finds what its upper case finds (the first field of that name).
    for (const FieldDef& f : fields) {
        fieldByExactName.emplace(f.name, fieldByKey.at(fieldKey(f.name)));
    }
    ++loads;
}

void ClientDataSet::Impl::clearData() {
    table = Table{};
    loaded = false;
    indexes.clear();
    fields = declared;
    columns.assign(fields.size(), nullptr);
    refreshFieldKeys();
}

void ClientDataSet::Impl::bindFields() {
    std::unordered_map<std::string, const Column*> byKey;
    for (const Column& c : table.columns) {
        byKey.emplace(fieldKey(c.def().name), &c);
    }
    fields.clear();
    columns.clear();
    if (declared.empty()) {
        for (const Column& c : table.columns) {
            fields.push_back(c.def());
            columns.push_back(&c);
        }
    }
    for (const FieldDef& def : declared) {
        const auto it = byKey.find(fieldKey(def.name));
        if (it == byKey.end()) {
            fail("Field '" + def.name + "' not found");
        }
        const FieldType actual = it->second->def().type;
        if (typeFamily(actual) != typeFamily(def.type)) {
            fail("Type mismatch for field '" + def.name +
                 "', expecting: " + fieldTypeName(def.type) + " actual: " + fieldTypeName(actual));
        }
        fields.push_back(def);
        columns.push_back(it->second);
    }
    refreshFieldKeys();
}

std::optional<filter::Predicate> ClientDataSet::Impl::compileFilter(const std::string& text,
                                                                    bool on) const {
    if (!on || text::trim(text).empty()) {
        return std::nullopt;
    }
    return filter::Predicate(text, [this](std::string_view n) { return resolve(n); });
}

const Column* ClientDataSet::Impl::resolveSingle(const std::string& name,
                                                 const char* purpose) const {
    if (name.find(';') != std::string::npos) {
        fail(std::string(purpose) + " by more than one field is not supported: " + name);
    }
    const Column* c = resolve(name);
    if (c == nullptr) {
        fail("Field '" + name + "' not found");
    }
    return c;
}

const Column* ClientDataSet::Impl::resolveOrder(const std::string& field) const {
    const std::string name = text::trim(field);
    if (name.empty()) {
        return nullptr;
    }
    return resolveSingle(name, "ordering");
}

bool ClientDataSet::Impl::linked() const {
    return masterSource != nullptr && masterSource->dataSet() != nullptr &&
           !masterFieldName.empty();
}

const Column* ClientDataSet::Impl::linkColumn() const {
    const Column* c = resolveSingle(masterFieldName, "linking");
    if (c->def().type != FieldType::Integer) {
        fail("the link field '" + masterFieldName + "' does not hold integers");
    }
    return c;
}

void ClientDataSet::Impl::bindLink() {
    linkField = active && linked() ? linkColumn() : nullptr;
}

void ClientDataSet::Impl::bindSettings() {
    std::optional<filter::Predicate> p = compileFilter(filterText, filtered);
    const Column* order = resolveOrder(orderField);
    const Column* link = linked() ? linkColumn() : nullptr;
    predicate = std::move(p);
    orderColumn = order;
    linkField = link;
}

// --- ClientDataSet ---------------------------------------------------------------------------

ClientDataSet::ClientDataSet(std::string name)
    : name_(std::move(name)), impl_(std::make_unique<Impl>(name_)) {}

ClientDataSet::~ClientDataSet() = default;

void ClientDataSet::declareField(FieldDef def) {
    if (impl_->active) {
        impl_->fail("Cannot declare a field of an open dataset");
    }
    impl_->declared.push_back(std::move(def));
    impl_->clearData();
}

void ClientDataSet::removeField(std::string_view name) {
    if (impl_->active) {
        impl_->fail("Cannot remove a field of an open dataset");
    }
    std::erase_if(impl_->declared,
                  [&](const FieldDef& d) { return fieldKey(d.name) == fieldKey(name); });
    impl_->clearData();
}

const std::vector<FieldDef>& ClientDataSet::declaredFields() const {
    return impl_->declared;
}

void ClientDataSet::loadFromFile(const std::string& path) {
    replaceData([&] { return readTableFile(path); });
}

void ClientDataSet::loadFromTable(const std::function<Table()>& read) {
    replaceData(read);
}

void ClientDataSet::loadFromPacket(Packet packet) {
    replaceData([&] { return tableFromPacket(packet); });
}

void ClientDataSet::replaceData(const std::function<Table()>& read) {
    close();
    impl_->clearData();
    try {
        impl_->table = read();
        impl_->loaded = true;
        impl_->bindFields();
        open();
    } catch (...) {
        impl_->clearData();
        throw;
    }
}

bool ClientDataSet::active() const {
    return impl_->active;
}

void ClientDataSet::open() {
    if (impl_->active) {
        return;
    }
    if (!impl_->loaded) {
        impl_->fail("Missing data provider or data packet");
    }
    impl_->bindSettings();
    impl_->active = true;
    impl_->viewValid = false;
    try {
        impl_->sync();
    } catch (...) {
        close();
        throw;
    }
}

void ClientDataSet::close() {
    Impl& d = *impl_;
    d.active = false;
    d.predicate.reset();
    d.orderColumn = nullptr;
    d.linkField = nullptr;
    d.view.clear();
    d.viewValid = false;
    d.position = 0;
    d.atEof = true;
    ++d.moves;
}

const std::vector<FieldDef>& ClientDataSet::fields() const {
    return impl_->fields;
}

std::optional<Field> ClientDataSet::findField(std::string_view name) const {
    const int i = impl_->findField(name);
    if (i < 0) {
        return std::nullopt;
    }
    return Field(this, i);
}

Field ClientDataSet::fieldByName(std::string_view name) const {
    if (auto f = findField(name)) {
        return *f;
    }
    impl_->fail("Field '" + std::string(name) + "' not found");
}

void ClientDataSet::setFilter(std::string expression) {
    Impl& d = *impl_;
    if (d.active && d.filtered) {
        d.predicate = d.compileFilter(expression, true);
        d.filterText = std::move(expression);
        d.viewValid = false;
        d.sync();
        return;
    }
    d.filterText = std::move(expression);
}

const std::string& ClientDataSet::filter() const {
    return impl_->filterText;
}

void ClientDataSet::setFiltered(bool on) {
    Impl& d = *impl_;
    if (d.active) {
        d.predicate = d.compileFilter(d.filterText, on);
    }
    d.filtered = on;
    d.viewValid = false;
    d.sync();
}

bool ClientDataSet::filtered() const {
    return impl_->filtered;
}

void ClientDataSet::setIndexFieldNames(std::string field) {
    Impl& d = *impl_;
    if (d.active) {
        const Column* order = d.resolveOrder(field);
        d.orderField = std::move(field);
        if (order == d.orderColumn) {
            return;  // the same order: nothing moves
        }
        d.orderColumn = order;
        const bool masterMoved = d.syncMaster();
        d.rebuild(masterMoved ? Impl::Keep::First : Impl::Keep::Record);
        return;
    }
    d.orderField = std::move(field);
}

void ClientDataSet::prepareIndex(std::string_view field) const {
    const Impl& d = *impl_;
    if (!d.loaded) {
        return;
    }
    if (const Column* column = d.resolve(text::trim(field))) {
        d.indexes.of(*column).rank();
    }
}

const std::string& ClientDataSet::indexFieldNames() const {
    return impl_->orderField;
}

void ClientDataSet::setMasterSource(DataSource* source) {
    Impl& d = *impl_;
    DataSource* const previous = d.masterSource;
    d.masterSource = source;
    try {
        d.bindLink();
    } catch (...) {
        d.masterSource = previous;
        throw;
    }
    d.viewValid = false;
    d.sync();
}

DataSource* ClientDataSet::masterSource() const {
    return impl_->masterSource;
}

void ClientDataSet::setMasterFields(std::string fields) {
    Impl& d = *impl_;
    std::string previous = std::move(d.masterFieldName);
    d.masterFieldName = text::trim(fields);
    try {
        d.bindLink();
    } catch (...) {
        d.masterFieldName = std::move(previous);
        throw;
    }
    d.masterFields = std::move(fields);
    d.viewValid = false;
    d.sync();
}

const std::string& ClientDataSet::masterFields() const {
    return impl_->masterFields;
}

void ClientDataSet::setPacketRecords(int n) {
    impl_->packetRecords = n;
}

int ClientDataSet::packetRecords() const {
    return impl_->packetRecords;
}

// --- Field -----------------------------------------------------------------------------------

const std::string& Field::name() const {
    return ds_->impl().fields[static_cast<size_t>(column_)].name;
}

FieldType Field::type() const {
    return ds_->impl().fields[static_cast<size_t>(column_)].type;
}

bool Field::isNull() const {
    const std::optional<uint32_t> row = ds_->impl().currentRow();
    return !row || ds_->impl().columns[static_cast<size_t>(column_)]->isNull(*row);
}

Value Field::value() const {
    const std::optional<uint32_t> row = ds_->impl().currentRow();
    if (!row) {
        return Null{};
    }
    return ds_->impl().columns[static_cast<size_t>(column_)]->value(*row);
}

std::string Field::asString() const {
    const std::optional<uint32_t> row = ds_->impl().currentRow();
    const Column& c = *ds_->impl().columns[static_cast<size_t>(column_)];
    if (!row || c.isNull(*row)) {
        return {};
    }
    switch (c.def().type) {
        case FieldType::Integer:
            return text::intToStr(c.number(*row));
        case FieldType::Boolean:
            return c.number(*row) != 0 ? "True" : "False";
        case FieldType::Float: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", c.real(*row));
            return buf;
        }
        case FieldType::Date:
            return formatDate(c.number(*row));
        case FieldType::Time:
            return formatTime(c.number(*row));
        case FieldType::Timestamp:
            return formatTimestamp(c.number(*row));
        default:
            return std::string(c.bytes(*row));
    }
}

int Field::asInteger() const {
    const std::optional<uint32_t> row = ds_->impl().currentRow();
    const Column& c = *ds_->impl().columns[static_cast<size_t>(column_)];
    if (!row || c.isNull(*row)) {
        return 0;
    }
    const auto outOfRange = [&] {
        ds_->impl().fail("the value of field '" + name() + "' is out of the integer range");
    };
    const auto narrow = [&](int64_t v) {
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) {
            outOfRange();
        }
        return static_cast<int>(v);
    };
    switch (c.def().type) {
        case FieldType::Integer:
        case FieldType::Boolean:
            return narrow(c.number(*row));
        case FieldType::Float:
            if (!(std::fabs(c.real(*row)) < 4.0e9)) {
                outOfRange();
            }
            return narrow(text::roundHalfEven(c.real(*row)));
        case FieldType::String:
        case FieldType::FixedString:
        case FieldType::WideString:
        case FieldType::Memo:
            return text::strToInt(c.bytes(*row));
        default:
            ds_->impl().fail("field '" + name() + "' cannot be read as an integer");
    }
}

}  // namespace expo::ds
