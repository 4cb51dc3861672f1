#include "tests/widgets/test_support.h"

#include <fstream>
#include <vector>

namespace tunesafe::widgets::testing {

bool Picture::SaveBmp(const std::string& path) const {
  const int row_bytes = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = height_;  // bottom-up rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(row_bytes * height_);
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::vector<char> pixels(info.biSizeImage, 0);
  for (int y = 0; y < height_; ++y) {
    char* row = pixels.data() + (height_ - 1 - y) * row_bytes;
    for (int x = 0; x < width_; ++x) {
      const Colour c = At(x, y);
      row[x * 3] = static_cast<char>(BlueOf(c));
      row[x * 3 + 1] = static_cast<char>(GreenOf(c));
      row[x * 3 + 2] = static_cast<char>(RedOf(c));
    }
  }
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

std::string FirstDifference(const Picture& actual, const Picture& expected) {
  if (actual.width() != expected.width() || actual.height() != expected.height()) {
    return "sizes differ";
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.At(x, y) != expected.At(x, y)) {
        return "at (" + std::to_string(x) + "," + std::to_string(y) +
               "): " + ColourText(actual.At(x, y)) + " instead of " + ColourText(expected.At(x, y));
      }
    }
  }
  return "";
}

std::unique_ptr<Picture> Capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  auto picture = std::make_unique<Picture>(client.right, client.bottom, kClBlack);
  WindowDc source(window);
  BitBlt(picture->dc(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
  return picture;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tunesafe::widgets::testing
