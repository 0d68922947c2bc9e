#pragma once

// The window framework's input-validation texts. They exist only in Chinese and are shown
// whatever the interface language. (The file-error texts live in core/file_errors.h.)
namespace FrameworkText {

inline constexpr char kNotAnInteger[] = "请输入一个整数。";
inline constexpr char kIntegerRange[] = "请输入一个 %1 至 %2 之间的整数。";

}  // namespace FrameworkText
