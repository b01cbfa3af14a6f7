#pragma once

#include <optional>
#include <span>
#include <string>

#include "framework/Document.h"

class CException;

// What the open and save sequences need from the front end that shows the document.
class IDocumentHost {
public:
  virtual ~IDocumentHost() = default;
  // A document was created or opened: the view refills itself from it.
  virtual void OnInitialUpdate() = 0;
  // The document's title or path changed without new contents (after a save).
  virtual void OnTitleChanged() = 0;
  // Asks where to save when the document's own file cannot take it; nothing: cancelled.
  virtual std::optional<std::string> PromptSaveAsPath() = 0;
};

// The single-document framework's open, save and save-question sequences over
// the program's one document. Load tells what happened as a value; the other
// sequences are the desktop's, and report through ShowMessageBox.
class CSingleDocTemplate {
public:
  CSingleDocTemplate(CDocument& document, IDocumentHost& host) : m_document(document), m_host(host) {}

  // Starts the empty untitled document and lets the view show it.
  void OnFileNew();

  // Opens a file into the document: File > Open, a recent file, a dropped file
  // or the command line. Returns false when the open failed or was cancelled.
  // A file the document refuses (it stays empty) counts as opened, but leaves
  // the empty untitled document: neither the path nor the title is the file's.
  bool OpenDocumentFile(const std::string& path);

  // Loads bytes already read from a file (the whole file, or the part the
  // document asks for) as if opened from path, as the desktop does: questions
  // and refusals in message boxes, then the view's update. Returns false when
  // the framework could not read the file.
  bool LoadDocument(std::span<const std::uint8_t> bytes, std::uint64_t fileLength, const std::string& path);

  // The open sequence's load without a word or a view: puts questions to ask
  // and returns what happened. The document is loaded and its path is path,
  // or it is the empty untitled document.
  Outcome Load(std::span<const std::uint8_t> bytes, std::uint64_t fileLength, const std::string& path,
               const AskQuestion& ask);

  // Saves the document to its own file; without one, or when that file cannot
  // be written, asks where to save it first (saying so when the file is there
  // but read-only). The first save over the file the document was opened from
  // asks "Replace NAME with the changed design?" first. Returns false when the
  // user cancelled or said No, or the save failed.
  bool OnFileSave();

  // Stores the document into path, keeping the old file whole on failure, and
  // makes path the document's file. Returns false (after telling the user) on failure.
  bool DoSave(const std::string& path);

  // Before the document is replaced or the program ends: asks "Save changes to
  // %1?" when it is modified. Returns false when the user cancelled or the save failed.
  bool SaveModified();

  CDocument& GetDocument() { return m_document; }

private:
  void ReportFailure(const CException& failure);
  Outcome ReadFailure(const CException& failure);
  // OnFileSave; askBeforeReplacing false when the user has already agreed to saving to the document's file.
  bool SaveToOwnFile(bool askBeforeReplacing);

  CDocument& m_document;
  IDocumentHost& m_host;
  // The document's file is one this program wrote, or the user agreed to
  // replacing it: Save no longer asks.
  bool m_bReplaceAgreed = false;
};
