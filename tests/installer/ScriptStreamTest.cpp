#include "errors/BasicError.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/RegistryRoots.h"
#include "installer/RemoveFileAction.h"
#include "installer/RemoveFolderAction.h"
#include "installer/RemoveRegistryKeyValueAction.h"
#include "installer/UnregisterServerAction.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace Installer;

namespace {

DefaultUninstallerScript sampleScript() {
    ActionList actions;
    actions.push_back(std::make_unique<RemoveFileAction>("/usr/bin/pluvo"));
    actions.push_back(std::make_unique<RemoveFolderAction>("/usr/share/pluvo"));
    actions.push_back(
        std::make_unique<RemoveRegistryKeyAction>(RegistryRoots::localMachine, "Software\\Q"));
    actions.push_back(std::make_unique<RemoveRegistryKeyValueAction>(
        RegistryRoots::currentUser, "Software\\Q\\P", "Configuration"));
    actions.push_back(std::make_unique<UnregisterServerAction>("/usr/lib/x.so", false));
    return DefaultUninstallerScript("first", "second", std::move(actions));
}

std::string bytesOf(const DefaultUninstallerScript& script) {
    std::stringstream bytes;
    script.writeTo(bytes);
    return bytes.str();
}

std::unique_ptr<DefaultUninstallerScript> readBytes(const std::string& text) {
    std::istringstream bytes(text);
    return DefaultUninstallerScript::readFrom(bytes);
}

// A storable class that is no action.
class NotAnAction : public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId id = Persistence::makeClassId(
        0x0BADF00D, 0x1234, 0x5678, {0x9A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78});
    const Persistence::ClassId& classId() const override { return id; }
    void write(Persistence::OutputStream&) const override {}
};

const Persistence::ClassRegistration notAnActionRegistration{
    NotAnAction::id,
    [](Persistence::InputStream&) -> std::unique_ptr<Persistence::IStreamableObject> {
        return std::make_unique<NotAnAction>();
    }};

// Stored as a script whose single action is no action.
class ScriptHoldingAnObject : public Persistence::IStreamableObject {
public:
    const Persistence::ClassId& classId() const override {
        return DefaultUninstallerScript::streamClassId;
    }
    void write(Persistence::OutputStream& stream) const override {
        stream.writeString("");
        stream.writeString("");
        stream.writeUInt32(1);
        stream.writeObject(NotAnAction());
    }
};

TEST(ScriptStreamTest, EveryActionClassComesBackEqual) {
    const DefaultUninstallerScript script = sampleScript();
    const auto back = readBytes(bytesOf(script));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(*back, script);
    EXPECT_FALSE(back->failed());
    EXPECT_EQ(back->firstText(), "first");
    EXPECT_EQ(back->secondText(), "second");
    EXPECT_EQ(bytesOf(*back), bytesOf(script));
}

TEST(ScriptStreamTest, EqualityLooksAtClassesFieldsAndOrder) {
    const DefaultUninstallerScript script = sampleScript();
    ActionList swapped = script.actions();
    std::swap(swapped[0], swapped[1]);
    EXPECT_FALSE(script == DefaultUninstallerScript("first", "second", std::move(swapped)));

    // A value action is a key action too, but never equal to one.
    EXPECT_FALSE(sameAction(RemoveRegistryKeyValueAction(RegistryRoots::currentUser, "K", ""),
                            RemoveRegistryKeyAction(RegistryRoots::currentUser, "K")));
    EXPECT_FALSE(sameAction(RemoveRegistryKeyAction(RegistryRoots::currentUser, "K"),
                            RemoveRegistryKeyValueAction(RegistryRoots::currentUser, "K", "")));
    EXPECT_FALSE(sameAction(UnregisterServerAction("s", true), UnregisterServerAction("s", false)));
    EXPECT_TRUE(sameAction(RemoveFileAction("f"), *RemoveFileAction("f").clone()));

    DefaultUninstallerScript failed = sampleScript();
    failed.setFailed(true);
    EXPECT_TRUE(failed == script) << "the failed flag is not part of the stored script";
}

TEST(ScriptStreamTest, ActionCopiesAreIndependentOfTheScript) {
    const DefaultUninstallerScript script = sampleScript();
    const ActionList copies = script.actions();
    ASSERT_EQ(copies.size(), script.actionCount());
    for (std::size_t i = 0; i < copies.size(); ++i) {
        EXPECT_NE(copies[i].get(), &script.action(i));
        EXPECT_TRUE(sameAction(*copies[i], script.action(i)));
    }
}

TEST(ScriptStreamTest, EveryTruncationIsAStreamError) {
    const std::string bytes = bytesOf(sampleScript());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_THROW(readBytes(bytes.substr(0, length)), Persistence::InputStream::Error) << length;
    }
}

TEST(ScriptStreamTest, ObjectsOtherThanScriptsAndActionsAreRefused) {
    std::stringstream file;
    {
        Persistence::OutputStream stream(file);
        stream.writeObject(RemoveFileAction("/usr/bin/pluvo"));
    }
    EXPECT_THROW(readBytes(file.str()), Persistence::InputStream::Error);

    // A stored object of a known class in the place of an action.
    std::stringstream nested;
    {
        Persistence::OutputStream stream(nested);
        stream.writeObject(ScriptHoldingAnObject());
    }
    EXPECT_THROW(readBytes(nested.str()), Persistence::InputStream::Error);
}

TEST(ScriptStreamTest, AMissingFileIsAnErrorThatNamesIt) {
    try {
        DefaultUninstallerScript::readFile("/nonexistent/uninstall.script");
        FAIL();
    } catch (const BasicError& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/uninstall.script"),
                  std::string::npos);
    }
}

} // namespace
