// The registry files under their lock: a writer that cannot wait any longer says
// why instead of losing its write without a word (waiting writers: host_machine_test);
// HKEY_LOCAL_MACHINE seen through the user's file over the machine-wide layers.
#include "platform/linux/hive_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

namespace {

bool SetValue(const HiveStore& store, const std::string& name, std::string& fault) {
  return store.Update(
      RegistryRoot::LocalMachine,
      [&](RegistryHive& hive) { return hive.SetString("Software\\Wait", name, "v"); }, fault);
}

}  // namespace

TEST(HiveStore, AWriterThatCannotWaitLongerSaysWhoHoldsTheLock) {
  QTemporaryDir sandbox;
  const HiveStore impatient(sandbox.path().toStdString(), 50);
  QLockFile held(sandbox.path() + "/registry.lock");
  ASSERT_TRUE(held.tryLock(0));
  std::string fault;
  EXPECT_FALSE(SetValue(impatient, "lost", fault));
  EXPECT_NE(fault.find("registry.lock: held by another program"), std::string::npos) << fault;
  EXPECT_NE(fault.find("for more than 50 ms"), std::string::npos) << fault;
  held.unlock();
  EXPECT_TRUE(SetValue(impatient, "lost", fault)) << "written once the lock is free";
}

TEST(HiveStore, LocalMachineReadsTheUsersValueFirstThenTheSystemLayersAndWritesOnlyTheUsers) {
  QTemporaryDir sandbox;
  const std::string user = sandbox.path().toStdString() + "/user";
  const std::string system = sandbox.path().toStdString() + "/system";
  RegistryHive shipped;
  shipped.SetString("Software\\Kelvory", "DestinationPath", "Z:\\usr\\share\\sylvarine\\");
  shipped.SetString("Software\\Kelvory", "Shipped", "system");
  std::string fault;
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(system)));
  ASSERT_TRUE(HiveStore(system).Save(RegistryRoot::LocalMachine, shipped, fault)) << fault;
  ASSERT_TRUE(HiveStore(system).Save(RegistryRoot::CurrentUser, shipped, fault)) << fault;
  const HiveStore store(user, {sandbox.path().toStdString() + "/absent", system});
  const auto read = [&](RegistryRoot root, const char* name) {
    std::optional<std::string> value;
    EXPECT_TRUE(store.Read(root, "SOFTWARE\\kelvory", name, value, fault)) << fault;
    return value.value_or("<none>");
  };
  EXPECT_EQ(read(RegistryRoot::LocalMachine, "DestinationPath"), "Z:\\usr\\share\\sylvarine\\");
  EXPECT_EQ(read(RegistryRoot::CurrentUser, "Shipped"), "<none>") << "HKEY_CURRENT_USER is the user's alone";

  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(user)));
  ASSERT_TRUE(store.Update(RegistryRoot::LocalMachine, [](RegistryHive& hive) {
    return hive.SetString("Software\\Kelvory", "DestinationPath", "C:\\Program Files\\Sylvarine\\");
  }, fault)) << fault;
  EXPECT_EQ(read(RegistryRoot::LocalMachine, "DestinationPath"), "C:\\Program Files\\Sylvarine\\");
  EXPECT_EQ(read(RegistryRoot::LocalMachine, "Shipped"), "system");
  RegistryHive after;
  ASSERT_TRUE(HiveStore(system).Load(RegistryRoot::LocalMachine, after, fault));
  EXPECT_EQ(after.Serialise("HKEY_LOCAL_MACHINE"), shipped.Serialise("HKEY_LOCAL_MACHINE"));

  QFile damaged(QString::fromStdString(system + "/HKEY_LOCAL_MACHINE.reg"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\X]\r\nnot a value\r\n");
  damaged.close();
  std::optional<std::string> value;
  EXPECT_FALSE(store.Read(RegistryRoot::LocalMachine, "X", "y", value, fault));
  EXPECT_NE(fault.find(system + "/HKEY_LOCAL_MACHINE.reg, line 4"), std::string::npos) << fault;
}
