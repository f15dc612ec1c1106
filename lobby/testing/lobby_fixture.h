#pragma once

#include "lobby/testing/irc_network.h"

#include <QtGlobal>

#include <gtest/gtest.h>

// Starts `network` (a TIrcNetwork) in a test or a fixture's SetUp. Without the
// servers the test is skipped, except on CI, which installs them: there a
// missing one is a fault.
#define TARVELO_START_LOBBY(network)                                                                   \
  do {                                                                                                 \
    if (!::tarvelo::TIrcNetwork::Installed()) {                                                        \
      if (qEnvironmentVariableIsSet("CI")) FAIL() << "inspircd or atheme-services is not installed";   \
      GTEST_SKIP() << "inspircd or atheme-services is not installed (scripts/setup.sh installs them)"; \
    }                                                                                                  \
    ASSERT_TRUE((network).Start()) << (network).Error().toStdString();                                 \
  } while (false)
