#pragma once
// The plug-in's server module "Tavrin": it registers the library's commands and holds no documents.

#include "frame/server_module.h"

class TTavrinServerModule : public TServerModule {
  TAVRIN_CLASS(TTavrinServerModule, TServerModule)
 public:
  void RegisterCommands() override;
  TComPtr<IServerDocument> NewDocument(DWORD kind, DWORD source) override;
  using TServerModule::NewDocument;

 protected:
  friend class TServerModule;
  TTavrinServerModule() = default;
};
