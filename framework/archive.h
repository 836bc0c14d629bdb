#pragma once

class QIODevice;

// What Serialize is handed: the open file and the direction.
class CArchive {
 public:
  enum Mode { load, store };
  CArchive(QIODevice* file, Mode mode) : file_(file), mode_(mode) {}
  bool IsStoring() const { return mode_ == store; }
  bool IsLoading() const { return mode_ == load; }
  QIODevice* GetFile() const { return file_; }

 private:
  QIODevice* file_;
  Mode mode_;
};
