#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsStore, placeholder) { SUCCEED(); }
