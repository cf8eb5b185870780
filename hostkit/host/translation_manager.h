#pragma once
// The host's translation manager (ClientAPI_GetTranslationManager) over a translation file chosen
// with --language. Lookups use the form named by the last SetFormContext and the context the
// plug-in passes (see TTranslationFile::Lookup). Without a file there is no manager.

#include <memory>
#include <string>

#include "host_call.h"
#include "hostapi/i_translation_manager.h"
#include "translation_file.h"

class THostTranslationManager final : public ITranslationManager {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT

  HRESULT __stdcall LookupTranslation(BSTR context, BSTR key, BSTR* translation, int32_t* found) override;
  HRESULT __stdcall SetFormContext(BSTR form_name) override;
  HRESULT __stdcall IsTranslating(int32_t* translating) override;

  void SetFile(std::unique_ptr<TTranslationFile> file) { file_ = std::move(file); }
  const TTranslationFile* File() const { return file_.get(); }

 private:
  std::unique_ptr<TTranslationFile> file_;
  std::wstring form_;
};

// The host's manager; nullptr until LoadTranslation succeeded.
THostTranslationManager* HostTranslationManager();

// Reads the translation of --language: a name ("de") finds translations\NAME.translation beside the
// host, anything else is a file path. False with the reason on failure.
bool LoadTranslation(const std::wstring& language, std::string& error);

// Sets a [ClientAPI] preference for the rest of the run, as its ClientAPI_Set… export would.
void SetHostPreference(const char* name, bool value);
