// OGG Vorbis encoding of synthesised sound into bytes, deterministic from run to run.
#include "sounds_vorbis.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace mediagen::snd {

namespace {

void append_page(std::vector<uint8_t>& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

std::vector<uint8_t> encode(const std::vector<const Mono*>& channels, float quality, int serial) {
  const int nch = static_cast<int>(channels.size());
  const size_t frames = channels[0]->size();
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, nch, kRate, quality) != 0) {
    vorbis_info_clear(&vi);
    throw std::runtime_error("vorbis encoder refused its settings");
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "pellaron mediagen");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);  // a fixed serial keeps the file identical between runs

  std::vector<uint8_t> out;
  ogg_page og;
  ogg_packet op;
  {
    ogg_packet h, hc, hcode;
    vorbis_analysis_headerout(&vd, &vc, &h, &hc, &hcode);
    ogg_stream_packetin(&os, &h);
    ogg_stream_packetin(&os, &hc);
    ogg_stream_packetin(&os, &hcode);
    while (ogg_stream_flush(&os, &og) != 0) append_page(out, og);
  }

  const size_t chunk = 4096;
  size_t pos = 0;
  bool eos = false;
  while (!eos) {
    const size_t n = std::min(chunk, frames - pos);
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      for (int c = 0; c < nch; ++c)
        for (size_t i = 0; i < n; ++i) buf[c][i] = std::clamp((*channels[c])[pos + i], -1.0f, 1.0f);
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
      pos += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op) != 0) {
        ogg_stream_packetin(&os, &op);
        while (!eos && ogg_stream_pageout(&os, &og) != 0) {
          append_page(out, og);
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
    if (n == 0) {
      while (ogg_stream_flush(&os, &og) != 0) append_page(out, og);
      eos = true;
    }
  }

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace

std::vector<uint8_t> encode_ogg(const Mono& mono, float quality, int serial) { return encode({&mono}, quality, serial); }

std::vector<uint8_t> encode_ogg(const Stereo& stereo, float quality, int serial) {
  if (stereo.l.size() != stereo.r.size()) throw std::runtime_error("stereo channels differ in length");
  return encode({&stereo.l, &stereo.r}, quality, serial);
}

}  // namespace mediagen::snd
