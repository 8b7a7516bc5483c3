#include "platform/Classes.h"

#include "platform/Text.h"

#include <algorithm>
#include <cctype>

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) ThrowListIndexError(index);
    return components_[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::DestroyComponents() {
    // Each destructor takes its component out of the list.
    while (!components_.empty()) delete components_.back();
}

void TComponent::ForgetComponents() {
    for (TComponent* c : components_) c->owner_ = nullptr;
    components_.clear();
}

void TComponent::SetName(const std::string& name) {
    name_ = name;
    NameChanged();
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_) component->owner_->RemoveComponent(component);
    component->owner_ = this;
    components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end()) components_.erase(it);
    if (component->owner_ == this) component->owner_ = nullptr;
}

void ThrowListIndexError(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

// ---------------------------------------------------------------------------
// TStrings

void TStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) ThrowListIndexError(index);
}

int TStrings::Add(const std::string& text) {
    int index = Count();
    Insert(index, text);
    return index;
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i) Add(other.Get(i));
    EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
    if (&other == this) return;
    BeginUpdate();
    Clear();
    for (int i = 0; i < other.Count(); ++i) Add(other.Get(i));
    EndUpdate();
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameText(Get(i), text)) return i;
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) out += Get(i) + "\r\n";
    return out;
}

void TStrings::SetText(const std::string& text) {
    BeginUpdate();
    Clear();
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            Add(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) Add(line);
    EndUpdate();
}

std::string TStrings::CommaText() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        if (i) out += ',';
        bool quote = s.empty() || s.find_first_of(", \"") != std::string::npos;
        if (!quote) { out += s; continue; }
        out += '"';
        for (char c : s) { if (c == '"') out += '"'; out += c; }
        out += '"';
    }
    return out;
}

void TStrings::SetCommaText(const std::string& text) {
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (i < text.size()) {
        std::string item;
        if (text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') { item += '"'; ++i; }
                    else { ++i; break; }
                } else {
                    item += text[i];
                }
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != ' ') item += text[i++];
        }
        Add(item);
        while (i < text.size() && (text[i] == ',' || text[i] == ' ')) ++i;
    }
    EndUpdate();
}

// ---------------------------------------------------------------------------
// TStringList

std::string TStringList::Get(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::string& text) {
    CheckIndex(index, Count());
    items_[static_cast<size_t>(index)] = text;
}

void TStringList::Insert(int index, const std::string& text) {
    CheckIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, text);
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
}

// ---------------------------------------------------------------------------
// TList

void* TList::Items(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return items_[static_cast<size_t>(index)];
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count()) ThrowListIndexError(index);
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    items_.erase(items_.begin() + index);
}

int TList::Remove(void* item) {
    int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

int TList::IndexOf(void* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}
