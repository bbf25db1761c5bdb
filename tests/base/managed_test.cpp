#include "base/assertion.h"
#include "base/managed.h"

#include <gtest/gtest.h>

namespace {

class IProbe : public virtual IBSUnknown
{
public:
    virtual int answer() const = 0;
};

class IOther : public virtual IBSUnknown
{
};

class Probe : public TBSManagedInterface, public IProbe
{
public:
    explicit Probe(bool *destroyed) : m_destroyed(destroyed) {}
    ~Probe() override { *m_destroyed = true; }
    int answer() const override { return 42; }

private:
    bool *m_destroyed;
};

class Owned : public TBSUnmanagedInterface, public IProbe
{
public:
    int answer() const override { return 7; }
};

TEST(ManagedInterface, CountsReferencesAndFreesItselfWithTheLast)
{
    bool destroyed = false;
    BSRef<IProbe> first = BSNew<Probe>(&destroyed);
    auto managed = Supports<IBSManaged>(first);
    ASSERT_TRUE(managed);
    EXPECT_EQ(managed->RefCount(), 2);
    managed.reset();
    EXPECT_EQ(Supports<IBSManaged>(first)->RefCount(), 2); // the temporary counts while it lives
    {
        BSRef<IProbe> second = first;
        EXPECT_EQ(std::dynamic_pointer_cast<IBSManaged>(first)->RefCount(), 3);
    }
    EXPECT_FALSE(destroyed);
    first.reset();
    EXPECT_TRUE(destroyed);
}

TEST(ManagedInterface, SupportsAnswersNullForInterfacesNotOffered)
{
    bool destroyed = false;
    BSRef<IBSUnknown> object = BSNew<Probe>(&destroyed);
    EXPECT_TRUE(Supports<IProbe>(object));
    EXPECT_FALSE(Supports<IOther>(object));
    EXPECT_FALSE(Supports<IProbe>(BSRef<IBSUnknown>()));
}

TEST(UnmanagedInterface, BorrowedReferencesNeverFreeTheObject)
{
    auto owner = std::make_unique<Owned>();
    {
        BSRef<IProbe> borrowed = owner->Borrow<IProbe>();
        ASSERT_TRUE(borrowed);
        EXPECT_EQ(borrowed->answer(), 7);
        EXPECT_EQ(Supports<IBSManaged>(borrowed)->RefCount(), -1);
    }
    EXPECT_EQ(owner->answer(), 7); // still alive after the last borrowed reference went
    EXPECT_FALSE(owner->Borrow<IOther>());
}

TEST(Assertion, CarriesItsMessage)
{
    try {
        BSAssert(false, QStringLiteral("Doppelt belegte ID für Punktewertungen!"));
        FAIL() << "no exception";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Doppelt belegte ID für Punktewertungen!"));
    }
    EXPECT_NO_THROW(BSAssert(true, QStringLiteral("x")));
}

} // namespace
