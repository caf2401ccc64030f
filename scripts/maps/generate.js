// Renders the built-in world maps from Natural Earth country shapes (npm world-atlas)
// into 8-bit paletted PNGs, without native modules:
//
//   node generate.js <out-folder>
//
// world_0.png          1200 x 600, plate carree centred on longitude 0
// world_180.png        the same rolled by 600 columns (centred on longitude 180)
// world_1194x765.png   1194 x 765 plate carree centred on 0 (the moon window's EME view)
//
// d3-geo's equirectangular projection cuts the polygons at the antimeridian; the polygons
// are filled by an even-odd scan line at pixel centres and the country outlines drawn one
// pixel wide, with no antialiasing, so every pixel holds one palette colour. Neighbouring
// countries get different colours. The overlay colours of the map window (pure red,
// magenta, yellow, white, black, silver and the darkness grey) are not in the palette.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { geoEquirectangular, geoPath } from 'd3-geo';
import * as topojson from 'topojson-client';

const require = createRequire(import.meta.url);
const topology = require('world-atlas/countries-50m.json');

const OCEAN = [70, 120, 190];
const BORDER = [55, 55, 75];
const ICE = [214, 226, 236];
const LAND = [
  [228, 200, 140],
  [150, 198, 118],
  [238, 168, 118],
  [188, 160, 210],
  [128, 188, 186],
  [214, 214, 150],
  [200, 148, 128],
  [168, 176, 120],
];
const PALETTE = [OCEAN, BORDER, ICE, ...LAND];
const OCEAN_INDEX = 0;
const BORDER_INDEX = 1;
const ICE_INDEX = 2;
const LAND_BASE = 3;

const FORBIDDEN = [
  [255, 0, 0], [255, 0, 255], [255, 255, 0], [255, 255, 255], [0, 0, 0], [192, 192, 192],
  [128, 128, 128],
];
for (const c of PALETTE) {
  for (const f of FORBIDDEN) {
    const d = Math.abs(c[0] - f[0]) + Math.abs(c[1] - f[1]) + Math.abs(c[2] - f[2]);
    if (d < 24) throw new Error(`palette colour ${c} too close to overlay colour ${f}`);
  }
}

// ----- Country colours: greedy colouring, most-connected countries first.
const geometries = topology.objects.countries.geometries;
const neighbours = topojson.neighbors(geometries);
const colourOf = new Array(geometries.length).fill(-1);
const order = geometries.map((_, i) => i).sort(
  (a, b) => neighbours[b].length - neighbours[a].length || a - b);
for (const i of order) {
  if (geometries[i].id === '010') {  // Antarctica
    colourOf[i] = ICE_INDEX;
    continue;
  }
  const used = new Set(neighbours[i].map((j) => colourOf[j]));
  // Spread the colours: start the search at a position that depends on the country.
  const start = i % LAND.length;
  for (let k = 0; k < LAND.length; ++k) {
    const c = LAND_BASE + ((start + k) % LAND.length);
    if (!used.has(c)) {
      colourOf[i] = c;
      break;
    }
  }
  if (colourOf[i] < 0) throw new Error(`no colour left for country ${geometries[i].id}`);
}

// ----- Projection: x 0..360 (west edge to east edge), y 0..180 (north to south).
const projection = geoEquirectangular()
  .scale(180 / Math.PI)
  .translate([180, 90])
  .precision(0);

// Path context that records the rings of one polygon in projected degrees.
class RingRecorder {
  constructor() { this.rings = []; this.ring = null; }
  moveTo(x, y) { this.ring = [[x, y]]; this.rings.push(this.ring); }
  lineTo(x, y) { this.ring.push([x, y]); }
  closePath() { this.ring = null; }
  arc() { throw new Error('unexpected arc'); }
}

// Path context that records the polylines of the outlines.
class LineRecorder {
  constructor() { this.lines = []; this.line = null; }
  moveTo(x, y) { this.line = [[x, y]]; this.lines.push(this.line); }
  lineTo(x, y) { this.line.push([x, y]); }
  closePath() { if (this.line) this.line.push(this.line[0]); }
  arc() { throw new Error('unexpected arc'); }
}

const countries = topojson.feature(topology, topology.objects.countries).features;
const shapes = [];
countries.forEach((feature, i) => {
  if (!feature.geometry) return;
  const recorder = new RingRecorder();
  geoPath(projection, recorder)(feature);
  shapes.push({ rings: recorder.rings, colour: colourOf[i] });
});
const outlineRecorder = new LineRecorder();
geoPath(projection, outlineRecorder)(topojson.mesh(topology, topology.objects.countries));
const outlines = outlineRecorder.lines;

function Render(width, height) {
  const sx = width / 360;
  const sy = height / 180;
  const pixels = new Uint8Array(width * height).fill(OCEAN_INDEX);
  for (const shape of shapes) {
    const edges = [];
    for (const ring of shape.rings) {
      for (let k = 0; k < ring.length; ++k) {
        const a = ring[k];
        const b = ring[(k + 1) % ring.length];
        edges.push([a[0] * sx, a[1] * sy, b[0] * sx, b[1] * sy]);
      }
    }
    let top = height;
    let bottom = -1;
    for (const e of edges) {
      top = Math.min(top, Math.floor(Math.min(e[1], e[3])));
      bottom = Math.max(bottom, Math.ceil(Math.max(e[1], e[3])));
    }
    top = Math.max(0, top);
    bottom = Math.min(height - 1, bottom);
    for (let j = top; j <= bottom; ++j) {
      const yc = j + 0.5;
      const xs = [];
      for (const [x0, y0, x1, y1] of edges) {
        if ((y0 <= yc && y1 > yc) || (y1 <= yc && y0 > yc)) {
          xs.push(x0 + ((yc - y0) * (x1 - x0)) / (y1 - y0));
        }
      }
      xs.sort((p, q) => p - q);
      for (let k = 0; k + 1 < xs.length; k += 2) {
        const from = Math.max(0, Math.ceil(xs[k] - 0.5));
        const to = Math.min(width - 1, Math.ceil(xs[k + 1] - 0.5) - 1);
        for (let i = from; i <= to; ++i) pixels[j * width + i] = shape.colour;
      }
    }
  }
  // Outlines: one pixel wide, sampled densely along each segment.
  const plot = (x, y) => {
    const i = Math.min(width - 1, Math.max(0, Math.floor(x)));
    const j = Math.min(height - 1, Math.max(0, Math.floor(y)));
    pixels[j * width + i] = BORDER_INDEX;
  };
  for (const line of outlines) {
    for (let k = 0; k + 1 < line.length; ++k) {
      const x0 = line[k][0] * sx, y0 = line[k][1] * sy;
      const x1 = line[k + 1][0] * sx, y1 = line[k + 1][1] * sy;
      const steps = Math.max(1, Math.ceil(Math.max(Math.abs(x1 - x0), Math.abs(y1 - y0)) * 2));
      for (let s = 0; s <= steps; ++s) plot(x0 + ((x1 - x0) * s) / steps, y0 + ((y1 - y0) * s) / steps);
    }
  }
  return pixels;
}

function Roll(pixels, width, height, columns) {
  const out = new Uint8Array(pixels.length);
  for (let j = 0; j < height; ++j) {
    for (let i = 0; i < width; ++i) out[j * width + ((i + columns) % width)] = pixels[j * width + i];
  }
  return out;
}

// ----- A small PNG writer: colour type 3 (palette), bit depth 8.
const CRC_TABLE = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

function Crc32(buffers) {
  let c = 0xffffffff;
  for (const b of buffers) for (const byte of b) c = CRC_TABLE[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function Chunk(type, data) {
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const name = Buffer.from(type, 'ascii');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(Crc32([name, data]));
  return Buffer.concat([length, name, data, crc]);
}

function Png(pixels, width, height) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;   // bit depth
  header[9] = 3;   // palette
  header[10] = 0;  // deflate
  header[11] = 0;  // adaptive filters
  header[12] = 0;  // no interlace
  const palette = Buffer.from(PALETTE.flat());
  const raw = Buffer.alloc((width + 1) * height);
  for (let j = 0; j < height; ++j) {
    raw[j * (width + 1)] = 0;  // filter: none
    raw.set(pixels.subarray(j * width, (j + 1) * width), j * (width + 1) + 1);
  }
  const data = zlib.deflateSync(raw, { level: 9 });
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    Chunk('IHDR', header),
    Chunk('PLTE', palette),
    Chunk('IDAT', data),
    Chunk('IEND', Buffer.alloc(0)),
  ]);
}

const out = process.argv[2] || '.';
fs.mkdirSync(out, { recursive: true });
const map0 = Render(1200, 600);
fs.writeFileSync(path.join(out, 'world_0.png'), Png(map0, 1200, 600));
fs.writeFileSync(path.join(out, 'world_180.png'), Png(Roll(map0, 1200, 600, 600), 1200, 600));
fs.writeFileSync(path.join(out, 'world_1194x765.png'), Png(Render(1194, 765), 1194, 765));
console.log(`maps written to ${out}`);
