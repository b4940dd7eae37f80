#pragma once
// The program's settings: one typed constant per value, holding its section, key and default.
// Every value is stored as text (integers in decimal, booleans "0"/"1"); a value that is missing
// or not a number reads as its default. On Linux QSettings keeps them under organisation "vnl"
// (~/.config/vnl.conf); tests point the store at a temporary INI file.
#include <QString>
#include <memory>

class QSettings;

namespace varnel {

struct IntSetting {
  const char* section;
  const char* key;
  int fallback;
};
struct TextSetting {
  const char* section;
  const char* key;
};
struct BoolSetting {
  const char* section;
  const char* key;
  bool fallback;
};

namespace settings {
// "Top" and "Left" default to centring; their fallback here only marks "no value".
inline constexpr IntSetting kMainHeight{"frmMain", "Height", 700};
inline constexpr IntSetting kMainHeight2{"frmMain", "Height2", 700};
inline constexpr IntSetting kMainWidth{"frmMain", "Width", 690};
inline constexpr IntSetting kMainTop{"frmMain", "Top", 0};
inline constexpr IntSetting kMainLeft{"frmMain", "Left", 0};
inline constexpr BoolSetting kShow3Sou{"frmMain", "Show3Sou", false};
inline constexpr BoolSetting kAutoResize{"frmMain", "AutoResize", true};
inline constexpr BoolSetting kUserOddsMode{"frmMain", "UserOddsMode", false};
inline constexpr IntSetting kDetailLeft{"frmDetail", "Left", 0};
inline constexpr IntSetting kDetailTop{"frmDetail", "Top", 0};
inline constexpr IntSetting kKaimeLeft{"frmKaime", "Left", 0};
inline constexpr IntSetting kKaimeTop{"frmKaime", "Top", 0};
inline constexpr TextSetting kDataDir{"Data", "Dir"};  // the folder the download window last used
}  // namespace settings

class AppSettings {
 public:
  // An empty path means the user's native settings store.
  explicit AppSettings(const QString& iniPath = {});
  ~AppSettings();

  int Read(const IntSetting& s) const;
  // `fallback` replaces the constant's default (for defaults computed at run time).
  int Read(const IntSetting& s, int fallback) const;
  bool Read(const BoolSetting& s) const;
  QString Read(const TextSetting& s) const;
  void Write(const IntSetting& s, int value);
  void Write(const BoolSetting& s, bool value);
  void Sync();

 private:
  std::unique_ptr<QSettings> store_;
};

// The INI switch beside the executable: section "Option", key "DeveloperMode"; a non-zero
// integer is true, anything else (or no file) false.
bool ReadDeveloperMode(const QString& iniPath);

}  // namespace varnel
