#pragma once
// The maker's texts stored with the layout.
namespace window {
inline constexpr const char* kRightsNotice = "Copyright (C) Velnoria. All rights reserved.";
inline constexpr const char* kVisitInvitation =
    "Visit www.velnoria.example for updates and enhancements";
inline constexpr const char* kWebAddress = "http://www.velnoria.example/Velnoria_Lumetta/openusers.aspx";
}  // namespace window
