#pragma once

#include <string>
#include <vector>

namespace setup {

// The longest value ReadIniString returns; longer values are cut without notice.
constexpr std::size_t kMaxIniValue = 1024;

// The directory of the running setup program in Windows form, with its trailing
// backslash. Empty when the program lies on no mapped drive.
std::string GetSetupDirectory();

// The value of `key` in `section` of SETUP.INI beside the setup program, cut to
// kMaxIniValue characters. Read by the system's profile reader where it has one,
// else by CProfileReader. A missing file, section or key gives `defaultValue`
// (cut likewise); a key present with an empty value gives the empty string, so with
// the empty default every caller uses both read the same.
std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& defaultValue = std::string());

// The value of `key` in `section` of SETUP.INI as the system's profile reader
// converts an integer (ProfileIntFromText, CountText.h); `defaultValue` when the file,
// section or key is missing or the value is empty.
int ReadIniInt(const std::string& section, const std::string& key, int defaultValue);

// The values of "<stem>1", "<stem>2", ... up to "<stem><count>" in `section`, from one
// reading of SETUP.INI, ending before the first key that is missing or empty. For
// a look over a whole list at once; each value the run acts on is read by itself.
std::vector<std::string> ReadIniList(const std::string& section, const std::string& stem,
                                     int count);

// The largest N of the keys "<stem>N" in `section` of SETUP.INI; 0 when there is none.
int LastIniNumber(const std::string& section, const std::string& stem);

}  // namespace setup
