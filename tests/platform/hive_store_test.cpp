// The registry files under their lock: a writer that cannot wait any longer says
// why instead of losing its write without a word (waiting writers: host_machine_test).
#include "platform/linux/hive_store.h"

#include <gtest/gtest.h>

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
