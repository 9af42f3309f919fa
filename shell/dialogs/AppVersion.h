#pragma once
// The program's own three-part version (major, minor, revision), as the about boxes show it.
namespace AppVersion {

constexpr int Major = 3;
constexpr int Minor = 0;
constexpr int Revision = 0;

}  // namespace AppVersion
