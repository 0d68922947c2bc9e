#pragma once

// The texts of the window framework itself: input validation and file errors. They exist only
// in Chinese and are shown whatever the interface language. %1 is a number or a file's path.
namespace FrameworkText {

inline constexpr char kNotAnInteger[] = "请输入一个整数。";
inline constexpr char kIntegerRange[] = "请输入一个 %1 至 %2 之间的整数。";

inline constexpr char kFileNotFound[] = "没有找到 %1。";
inline constexpr char kFileAccessDenied[] = "拒绝访问 %1。";
inline constexpr char kFileBadPath[] = "%1 包含无效的路径。";
inline constexpr char kFileTooManyOpen[] = "由于打开的文件太多，无法打开 %1。";
inline constexpr char kFileHardIo[] = "访问 %1 时报告了硬件 I/O 错误。";
inline constexpr char kFileDiskFull[] = "访问 %1 时磁盘已满。";
inline constexpr char kFileSharing[] = "访问 %1 时发生共享冲突。";
inline constexpr char kFileGeneric[] = "访问 %1 时发生意外错误。";

}  // namespace FrameworkText
