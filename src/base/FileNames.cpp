#include "base/FileNames.h"

#include "base/TextRules.h"

namespace {

#ifdef _WIN32
constexpr std::string_view Separators = "\\/:";
#else
constexpr std::string_view Separators = "\\/";
#endif

} // namespace

std::string_view LastPathComponent(std::string_view name) {
    const std::size_t separator = name.find_last_of(Separators);
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

std::string LowercaseExtension(std::string_view name) {
    const std::string_view component = LastPathComponent(name);
    const std::size_t stop = component.rfind('.');
    return stop == std::string_view::npos ? std::string() : AsciiLower(component.substr(stop));
}

std::string WithTxtExtension(std::string_view name) {
    const std::string_view component = LastPathComponent(name);
    const std::size_t stop = component.rfind('.');
    const std::size_t keep =
        stop == std::string_view::npos ? name.size() : name.size() - component.size() + stop;
    return std::string(name.substr(0, keep)) + ".txt";
}
