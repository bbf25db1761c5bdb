#pragma once

#include <memory>

// Reference-counted objects handed out as interfaces.
//
// An interface is an abstract class deriving virtually from IBSUnknown, held by BSRef (a shared pointer):
// the object lives as long as a reference exists and callers never delete it. Asking whether an object
// offers another interface is Supports<I>(ref), a checked cast. Each interface keeps its GUID as the
// constant `GUID` beside it, so stored or logged identities stay those of the original design.

class IBSUnknown
{
public:
    virtual ~IBSUnknown() = default;

protected:
    IBSUnknown() = default;
    IBSUnknown(const IBSUnknown &) = default;
    IBSUnknown &operator=(const IBSUnknown &) = default;
};

template<class I>
using BSRef = std::shared_ptr<I>;

// The interface I of obj, or null when obj is null or does not offer it.
template<class I, class From>
BSRef<I> Supports(const BSRef<From> &obj)
{
    return std::dynamic_pointer_cast<I>(obj);
}

class IBSManaged : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{0D9DF554-0EFA-4805-A8AE-EB2999731D96}";
    // Number of references currently held to the object.
    virtual long RefCount() const = 0;
};

// Base of every reference-counted object. Create instances with BSNew so the count is kept.
class TBSManagedInterface : public virtual IBSManaged, public std::enable_shared_from_this<TBSManagedInterface>
{
public:
    long RefCount() const override;

protected:
    TBSManagedInterface() = default;
};

template<class T, class... Args>
BSRef<T> BSNew(Args &&...args)
{
    return std::make_shared<T>(std::forward<Args>(args)...);
}

// Base of objects that offer interfaces but are owned and freed by somebody else. References handed out
// by Borrow never free the object and count nothing (RefCount answers -1).
class TBSUnmanagedInterface : public virtual IBSManaged
{
public:
    long RefCount() const override { return -1; }

    template<class I>
    BSRef<I> Borrow()
    {
        I *intf = dynamic_cast<I *>(this);
        if (!intf)
            return {};
        return BSRef<I>(intf, [](I *) {});
    }

protected:
    TBSUnmanagedInterface() = default;
};
