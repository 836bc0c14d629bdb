#pragma once

// The framework's own texts, in its own words.
namespace fw {

inline constexpr char kUntitled[] = "无标题";
inline constexpr char kOpenTitle[] = "打开";
inline constexpr char kSaveAsTitle[] = "另存为";
inline constexpr char kAllFilesFilter[] = "所有文件(*.*)";
inline constexpr char kCreateEmptyDocumentFailed[] = "建立空文档失败。";

// File errors: %1 is the path, %2 the reason.
inline constexpr char kOpenFailed[] = "无法打开文件“%1”。\n%2";
inline constexpr char kSaveFailed[] = "无法保存文件“%1”。\n%2";
inline constexpr char kReasonNotFound[] = "文件不存在。";
inline constexpr char kReasonIsDirectory[] = "这是一个文件夹，不是文件。";
inline constexpr char kReasonNotAFile[] = "这不是一个普通文件。";
inline constexpr char kReasonAccessDenied[] = "没有访问该文件的权限。";
inline constexpr char kReasonDirectoryMissing[] = "文件所在的文件夹不存在。";
inline constexpr char kReasonDiskFull[] = "磁盘空间不足。";
inline constexpr char kReasonUnknown[] = "读写文件时出错。";

}  // namespace fw
