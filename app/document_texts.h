#pragma once

// Texts of the document commands. The renamed menu items and the file dialogs' titles are
// Chinese in both interface languages.
namespace document_texts {

// The Save and Close items while they carry the document path (%1; empty without a document).
inline constexpr char kSaveWithPath[] = "保存 (%1)";
inline constexpr char kCloseWithPath[] = "关闭 (%1)";
// The two items after Close.
inline constexpr char kSavePlain[] = "保存(&S)\tCtrl+S";
inline constexpr char kClosePlain[] = "关闭";

inline constexpr char kOpenTitle[] = "打开文件";
inline constexpr char kSaveTitle[] = "保存";
inline constexpr char kSaveAsTitle[] = "另存为";
inline constexpr char kFilter[] = "Text Files(*.txt);;All Files(*.*)";
inline constexpr char kDefaultSuffix[] = "txt";

}  // namespace document_texts
