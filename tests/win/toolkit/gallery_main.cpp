// Shows the toolkit gallery until the screenshot is taken (see gallery_screenshot.sh).

#include <windows.h>

#include <cstdio>
#include <memory>

#include "forms/application.h"
#include "tests/win/toolkit/gallery_form.h"

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: toolkit_gallery <ready file> <done file>\n");
    return 2;
  }
  std::unique_ptr<TGalleryForm> form(make_form<TGalleryForm>(nullptr));
  for (const char* size : {"8.000 mil", "12.000 mil", "15.748 mil", "23.622 mil", "31.496 mil"})
    form->SourceList->Items()->Add(size);
  form->SourceList->SetSelected(1, true);
  form->SourceList->SetSelected(2, true);
  form->DescriptionLabel->SetCaption("Pads : 12  Vias : 40");
  form->SourceList->SetHint("Hole sizes of the board");
  form->Show();
  for (int i = 0; i < 50; ++i) Application->ProcessMessages();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Application->ProcessMessages();
  if (FILE* f = std::fopen(argv[1], "w")) std::fclose(f);
  for (int waited = 0; !Exists(argv[2]) && waited < 600; ++waited) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    Application->ProcessMessages();
  }
  return Exists(argv[2]) ? 0 : 1;
}
