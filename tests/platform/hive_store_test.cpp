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

TEST(HiveStore, LocalMachineIsTheUsersFileOverTheSystemLayersAndOnlyTheUsersIsWritten) {
  QTemporaryDir sandbox;
  const std::string system = sandbox.path().toStdString() + "/system";
  RegistryHive shipped;
  shipped.SetString("Software\\K", "DestinationPath", "Z:\\usr\\share\\sylvarine\\");
  shipped.SetString("Software\\K", "Shipped", "system");
  std::string fault;
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(system)));
  for (RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser})
    ASSERT_TRUE(HiveStore(system).Save(root, shipped, fault)) << fault;
  const auto read = [&](const HiveStore& store, RegistryRoot root, const char* name) {
    std::optional<std::string> value;
    EXPECT_TRUE(store.Read(root, "SOFTWARE\\k", name, value, fault)) << fault;
    return value.value_or("<none>");
  };
  const HiveStore store(sandbox.path().toStdString(), {system + "/absent", system});
  EXPECT_EQ(read(store, RegistryRoot::CurrentUser, "Shipped"), "<none>") << "the user's alone";
  EXPECT_EQ(read(store, RegistryRoot::LocalMachine, "DestinationPath"), "Z:\\usr\\share\\sylvarine\\");
  ASSERT_TRUE(store.Update(RegistryRoot::LocalMachine, [](RegistryHive& hive) {
    return hive.SetString("Software\\K", "DestinationPath", "C:\\Mine\\");
  }, fault)) << fault;
  EXPECT_EQ(read(store, RegistryRoot::LocalMachine, "DestinationPath"), "C:\\Mine\\");
  EXPECT_EQ(read(store, RegistryRoot::LocalMachine, "Shipped"), "system");
  EXPECT_EQ(read(HiveStore(system), RegistryRoot::LocalMachine, "DestinationPath"),
            "Z:\\usr\\share\\sylvarine\\") << "the system layer is never written";

  QFile damaged(QString::fromStdString(system + "/HKEY_LOCAL_MACHINE.reg"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\X]\r\nno\r\n"));
  damaged.close();
  std::optional<std::string> value;
  EXPECT_FALSE(store.Read(RegistryRoot::LocalMachine, "X", "y", value, fault));
  EXPECT_NE(fault.find(system + "/HKEY_LOCAL_MACHINE.reg, line 4"), std::string::npos) << fault;
}
