#pragma once
// A control array: controls of one type sharing a name, told apart by Index (0..32767), with one
// set of indexed handlers (the ArrayEvents the array is: onClick(index), onMouseDown(index, ...)).
//
// Design-time elements (addDesignElement: the template 0, or 0 and 1) are made with the form.
// load(i) makes element i at run time as a copy of the lowest existing element, its template:
// same container, place, size, picture and look, Enabled, Tag and ToolTipText; its handlers are
// the array's, and it starts hidden. unload(i) removes a loaded element.
//
// Faults: load of an element that exists, 360 "Object already loaded"; unload or operator[] of
// one that does not, and any index outside 0..32767, 340 "Control array element doesn't exist";
// unload of a design-time element, 362 "Can't unload controls created at design time".
//
// Elements are held in a vector indexed by Index, so load, unload and lookup cost O(1) (apart
// from growing the vector); unloading the highest element shrinks it past the empty slots below.
// A loaded element of a lightweight type costs one allocation (the record) and no widget.
// Iteration visits the loaded elements in index order.

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Fault 340 for an index no element can have.
void checkArrayIndex(int index);

template <class T> class ControlArray : public ArrayEvents {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& name() const { return name_; }

    // Makes design-time element `index` in `container`; further arguments go to T's constructor.
    template <class... Args> T& addDesignElement(int index, Container& container, Args&&... args) {
        Slot& slot = claim(index);
        slot.control = std::make_unique<T>(container, name_, std::forward<Args>(args)...);
        slot.designTime = true;
        return adopt(slot, index);
    }

    T& load(int index) {
        Slot& slot = claim(index);
        const T* model = lowest();
        if (!model || !model->container()) {
            release(index);
            basic::raise(basic::fault::ControlArrayElementMissing);
        }
        auto element = std::make_unique<T>(*model->container(), name_);
        element->setVisible(false);
        element->copyPropertiesFrom(*model);
        slot.control = std::move(element);
        slot.designTime = false;
        return adopt(slot, index);
    }

    void unload(int index) {
        if (!exists(index)) basic::raise(basic::fault::ControlArrayElementMissing);
        Slot& slot = slots_[static_cast<size_t>(index)];
        if (slot.designTime) basic::raise(basic::fault::CantUnloadDesignTimeControl);
        slot.control.reset();
        --count_;
        release(index);
    }

    // Unloads every loaded element from first to last (at most ubound()), from the top down;
    // missing elements are passed over. Design-time elements cannot be unloaded (fault 362).
    void unloadLoaded(int first, long long last) {
        const int top = static_cast<int>(std::min<long long>(last, ubound()));
        for (int i = top; i >= first; --i)
            if (exists(i)) unload(i);
    }

    bool exists(int index) const {
        return index >= 0 && index < static_cast<int>(slots_.size()) &&
               slots_[static_cast<size_t>(index)].control;
    }

    T& operator[](int index) const {
        if (!exists(index)) {
            checkArrayIndex(index);
            basic::raise(basic::fault::ControlArrayElementMissing);
        }
        return *slots_[static_cast<size_t>(index)].control;
    }

    // The highest index in use, -1 when the array is empty.
    int ubound() const { return static_cast<int>(slots_.size()) - 1; }
    int count() const { return count_; }

    class iterator {
    public:
        iterator(const ControlArray* array, size_t at) : array_(array), at_(at) { skip(); }
        T& operator*() const { return *array_->slots_[at_].control; }
        T* operator->() const { return array_->slots_[at_].control.get(); }
        iterator& operator++() {
            ++at_;
            skip();
            return *this;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

    private:
        void skip() {
            while (at_ < array_->slots_.size() && !array_->slots_[at_].control)
                ++at_;
        }
        const ControlArray* array_;
        size_t at_;
    };

    iterator begin() const { return iterator(this, 0); }
    iterator end() const { return iterator(this, slots_.size()); }

private:
    struct Slot {
        std::unique_ptr<T> control;
        bool designTime = false;
    };

    Slot& claim(int index) {
        checkArrayIndex(index);
        if (exists(index)) basic::raise(basic::fault::ObjectAlreadyLoaded);
        if (index >= static_cast<int>(slots_.size())) slots_.resize(static_cast<size_t>(index) + 1);
        return slots_[static_cast<size_t>(index)];
    }

    T& adopt(Slot& slot, int index) {
        slot.control->joinArray(this, index);
        ++count_;
        return *slot.control;
    }

    // Drops empty slots at the end after `index` was emptied.
    void release(int index) {
        if (index != ubound()) return;
        while (!slots_.empty() && !slots_.back().control)
            slots_.pop_back();
    }

    const T* lowest() const {
        for (const Slot& slot : slots_) {
            if (slot.control) return slot.control.get();
        }
        return nullptr;
    }

    std::string name_;
    std::vector<Slot> slots_;
    int count_ = 0;
};

} // namespace platform
