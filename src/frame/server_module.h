#pragma once
// The server module the host holds: TServerModule answers IServerModule and IOptionsPageProvider
// for a server library and keeps its documents, the interfaces the host registered, its command
// launcher and its process control. The host holds the only counted reference; the module frees
// itself when that is released. Subclasses override the virtual operations (slot order kept).

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "base/com_ptr.h"
#include "base/object.h"
#include "frame/command_launcher.h"
#include "frame/process_control.h"
#include "hostapi/i_client.h"
#include "hostapi/i_external_form.h"
#include "hostapi/i_server_document.h"
#include "hostapi/i_server_module.h"

class TServerModule : public TObject {
  TAVRIN_CLASS(TServerModule, TObject)
 public:
  // Creates a module of class T under the name and runs its creation steps. Returns the module
  // with no counted reference yet; a failing step destroys it again and raises.
  template <class T>
  static T* Create(IClient* client, const std::wstring& name) {
    std::unique_ptr<T> module(new T());
    module->Initialize(client, name);
    return module.release();
  }

  TServerModule(const TServerModule&) = delete;
  TServerModule& operator=(const TServerModule&) = delete;

  IServerModule* ServerModuleInterface() { return &interfaces_; }
  IClient* Client() const { return client_; }
  const std::wstring& ModuleName() const { return name_; }
  TCommandLauncher* CommandLauncher() const { return launcher_.get(); }
  TProcessControl* ProcessControl() const { return process_control_.get(); }
  const std::vector<TComPtr<IServerDocument>>& Documents() const { return documents_; }
  const std::vector<TComPtr<IUnknown>>& RegisteredInterfaces() const { return registered_; }
  ULONG ReferenceCount() const { return references_.load(); }

  // Virtual operations, in slot order.
  virtual void Idle();                                                            // 1
  virtual TComPtr<IServerDocument> CreateDocument(DWORD kind, DWORD source);       // 2
  virtual TComPtr<IServerDocument> CreateDocument(DWORD kind, DWORD source, bool show);  // 3
  virtual void DestroyDocument(IServerDocument* document);                        // 4
  virtual ICommandLauncher* GetCommandLauncher();                                 // 5
  virtual TComPtr<IUnknown> CreateServerObject(DWORD kind);                        // 6
  virtual void RemoveRegistered(IUnknown* registered);                            // 7
  virtual void AddRegistered(IUnknown* registered);                               // 8
  virtual TComPtr<IUnknown> CreateServerObjectFor(DWORD kind, DWORD owner);        // 9
  // The form of a named options view, or none; the frame has no options forms of its own.
  virtual TObject* CreateOptionsForm(const std::wstring& name);                   // 10
  virtual TComPtr<IServerDocument> NewDocument(DWORD kind, DWORD source) = 0;      // 11
  virtual TComPtr<IServerDocument> NewDocument(DWORD kind, DWORD source, bool show);  // 12
  virtual void ReceiveNotification(DWORD notification);                           // 13
  virtual void RegisterCommands();                                                // 14
  virtual void CreateCommandLauncher();                                           // 15
  virtual TComPtr<IOptionsPage> CreateOptionsPage(const std::wstring& name);       // 16
  virtual void BeginOptionsPages();                                               // 17
  virtual void EndOptionsPages();                                                 // 18
  virtual void AfterRegisterCommands();                                           // 19

 protected:
  TServerModule() : interfaces_(this) {}
  ~TServerModule() override;

  std::unique_ptr<TCommandLauncher> launcher_;

 private:
  // The module's two interfaces; reference counting is the module's.
  class TInterfaces final : public IServerModule, public IOptionsPageProvider {
   public:
    explicit TInterfaces(TServerModule* module) : module_(module) {}
    HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
    ULONG __stdcall AddRef() override;
    ULONG __stdcall Release() override;

    HRESULT __stdcall Idle() override;
    HRESULT __stdcall ReceiveNotification(DWORD notification) override;
    HRESULT __stdcall CreateDocument(DWORD kind, DWORD source, IServerDocument** document) override;
    HRESULT __stdcall DestroyDocument(IServerDocument* document) override;
    HRESULT __stdcall GetClient(IClient** client) override;
    HRESULT __stdcall GetCommandLauncher(ICommandLauncher** launcher) override;
    HRESULT __stdcall GetDocumentCount(int32_t* count) override;
    HRESULT __stdcall GetDocument(int32_t index, IServerDocument** document) override;
    HRESULT __stdcall GetModuleHandle(DWORD* instance) override;
    HRESULT __stdcall GetModuleName(BSTR* name) override;
    HRESULT __stdcall GetProcessControl(IProcessControl** control) override;
    HRESULT __stdcall GetRegisteredCount(int32_t* count) override;
    HRESULT __stdcall GetRegistered(int32_t index, IUnknown** registered) override;
    HRESULT __stdcall CreateOptionsView(BSTR name, IDocumentOptionsView** view) override;
    HRESULT __stdcall CreateServerObject(DWORD kind, IUnknown** object) override;
    HRESULT __stdcall CreateServerObjectFor(DWORD kind, DWORD owner, IUnknown** object) override;
    HRESULT __stdcall RemoveRegistered(IUnknown* registered) override;
    HRESULT __stdcall AddRegistered(IUnknown* registered) override;
    HRESULT __stdcall CreateDocument(DWORD kind, DWORD source, BYTE show,
                                     IServerDocument** document) override;

    HRESULT __stdcall CreateOptionsPage(BSTR name, IOptionsPage** page) override;
    HRESULT __stdcall BeginOptionsPages() override;
    HRESULT __stdcall EndOptionsPages() override;

   private:
    TServerModule* module_;
  };

  void Initialize(IClient* client, const std::wstring& name);

  TInterfaces interfaces_;
  std::atomic<ULONG> references_{0};
  IClient* client_ = nullptr;  // not counted
  std::vector<TComPtr<IServerDocument>> documents_;
  std::wstring name_;
  std::vector<TComPtr<IUnknown>> registered_;
  // Options pages by name; absent unless a module creates the list (this plug-in never does).
  using TOptionsPageFactory = TComPtr<IOptionsPage> (*)();
  std::unique_ptr<std::vector<std::pair<std::wstring, TOptionsPageFactory>>> options_page_classes_;
  std::unique_ptr<TProcessControl> process_control_;
};

// The library's own instance handle (the DLL's, not the host's).
HINSTANCE PluginInstance();
