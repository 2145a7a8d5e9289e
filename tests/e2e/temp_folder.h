#pragma once
// A fresh folder under the system's temporary folder, deleted with everything in it at the end.

#include <string>
#include <string_view>

namespace e2e {

class TempFolder {
  public:
    // `hint` becomes part of the folder's name, to tell runs apart when one is left behind.
    explicit TempFolder(std::string_view hint);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // Empty when the folder could not be made.
    const std::string& Path() const { return path_; }
    std::string PathOf(std::string_view fileName) const;

  private:
    std::string path_;
};

}  // namespace e2e
