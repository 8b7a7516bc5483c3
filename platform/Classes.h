#pragma once
// Base classes: TObject, TComponent (owner and owned components, Name, Tag),
// the string lists TStrings/TStringList and the pointer list TList.
//
// Property convention used across the layer: a property P is read with P()
// and written with SetP(value): Edit1->Text(), Edit1->SetText("x").
// Events are public members (see Events.h).

#include "platform/Events.h"
#include "platform/Exception.h"
#include "platform/Types.h"

#include <string>
#include <vector>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// A component belongs to its owner, which destroys it when it is destroyed
// itself. A component destroyed earlier leaves its owner's list at once, so
// nothing is destroyed twice.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    TComponent* FindComponent(const std::string& name) const;
    // Destroys every owned component, the last created first.
    void DestroyComponents();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Moves a component to another owner (or to none).
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

protected:
    virtual void NameChanged() {}
    // Lets go of every owned component without destroying it.
    void ForgetComponents();

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::string name_;
    int tag_ = 0;
};

// The class library's list-index error, raised for an index outside a list.
[[noreturn]] void ThrowListIndexError(int index);

// An ordered list of texts. Controls hand out subclasses that write through
// to the control (a combo box's Items, a memo's Lines, a list item's
// SubItems); TStringList keeps its texts itself.
class TStrings : public TObject {
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text) = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    // Room for `count` texts, so that adding them one by one allocates once.
    virtual void SetCapacity(int count) { (void)count; }

    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    int Add(const std::string& text);
    void AddStrings(const TStrings& other);
    void Assign(const TStrings& other);
    int IndexOf(const std::string& text) const;
    // All texts, each followed by a line break (CR LF); SetText splits at
    // CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);
    // Texts separated by commas; a text holding a comma, a blank or a quote
    // is quoted.
    std::string CommaText() const;
    void SetCommaText(const std::string& text);

protected:
    void CheckIndex(int index, int limit) const;
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override { items_.clear(); }

private:
    std::vector<std::string> items_;
};

// A list of untyped pointers, as the class library's TList.
class TList : public TObject {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void* Items(int index) const;
    void* operator[](int index) const { return Items(index); }
    template <class T> T* Item(int index) const { return static_cast<T*>(Items(index)); }
    int Add(void* item) { items_.push_back(item); return Count() - 1; }
    void Insert(int index, void* item);
    void Delete(int index);
    int Remove(void* item);
    int IndexOf(void* item) const;
    void Clear() { items_.clear(); }

private:
    std::vector<void*> items_;
};
