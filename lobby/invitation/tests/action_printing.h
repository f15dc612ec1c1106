#pragma once

#include "lobby/invitation/invitation.h"

#include <ostream>

// Actions as a failed expectation shows them.
namespace tarvelo::invitation {

inline void PrintTo(const TSendCommand& a, std::ostream* out) { *out << "Send(" << a.Nick << ", " << a.Text << ")"; }
inline void PrintTo(const TCreateRoom& a, std::ostream* out) { *out << "Create(" << a.Room << ", " << a.Kind << ")"; }
inline void PrintTo(const TJoinRoom& a, std::ostream* out) { *out << "Join(" << a.Room << ")"; }
inline void PrintTo(const TAskQuestion&, std::ostream* out) { *out << "Ask"; }
inline void PrintTo(const TChatText& a, std::ostream* out) { *out << "Chat(" << a.Text << ")"; }
inline void PrintTo(const TMatchAgreed& a, std::ostream* out) {
  *out << "Match(role " << a.NetRole << ", " << a.LocalName << " vs " << a.RemoteName << ", " << a.GameRoom << ")";
}

}  // namespace tarvelo::invitation
