// The temporary wrappers that FromHandle hands out for handles no object of
// the framework stands for (internal). One wrapper per handle and wrapper
// class, made on first request and kept until Clear. A wrapper never owns its
// handle: Clear takes the handle out of it before deleting it, so that its
// destructor leaves the handle alone. Any class with a public handle member
// and a default constructor can be wrapped; this store knows none of them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>

namespace framework {

class TemporaryWrappers {
public:
    TemporaryWrappers() = default;
    TemporaryWrappers(const TemporaryWrappers&) = delete;
    TemporaryWrappers& operator=(const TemporaryWrappers&) = delete;

    // The wrapper of the handle, of the class whose handle member
    // HandleMember is (for example &CDC::m_hDC); null for a null handle.
    template <auto HandleMember, class Handle>
    auto* Wrap(Handle handle) {
        using Object = typename MemberOf<decltype(HandleMember)>::Object;
        if (handle == nullptr) {
            return static_cast<Object*>(nullptr);
        }
        const Key key{&kClassTag<Object>, handle};
        auto found = m_wrappers.find(key);
        if (found == m_wrappers.end()) {
            auto made = std::make_unique<Object>();
            made.get()->*HandleMember = handle;
            Wrapper wrapper(made.release(), &LetGoAndDelete<HandleMember>);
            found = m_wrappers.emplace(key, std::move(wrapper)).first;
        }
        return static_cast<Object*>(found->second.get());
    }

    void Clear() noexcept { m_wrappers.clear(); }

private:
    template <class Member>
    struct MemberOf;
    template <class Object_, class Handle>
    struct MemberOf<Handle Object_::*> {
        using Object = Object_;
    };

    // One address per wrapper class, which tells the classes apart: a
    // window and a drawing object may have handles of the same value.
    template <class Object>
    static constexpr char kClassTag = 0;

    template <auto HandleMember>
    static void LetGoAndDelete(void* wrapper) noexcept {
        auto* object = static_cast<typename MemberOf<decltype(HandleMember)>::Object*>(wrapper);
        object->*HandleMember = nullptr;
        delete object;
    }

    using Wrapper = std::unique_ptr<void, void (*)(void*) noexcept>;

    struct Key {
        const void* wrapperClass;
        const void* handle;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept {
            return std::hash<const void*>{}(key.handle) ^ std::hash<const void*>{}(key.wrapperClass);
        }
    };

    std::unordered_map<Key, Wrapper, KeyHash> m_wrappers;
};

}  // namespace framework
