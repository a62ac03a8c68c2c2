// Typesets formula sources (LaTeX math) into self-contained SVG pictures for Qt SVG.
// Run through scripts/typeset-formulas, which installs the packages this needs.
//
//   node typeset-formulas.js <folder> [name ...]
//
// Every glyph ends up as a path, so the picture looks the same on every machine
// and Qt needs no font: MathJax draws the glyphs of its own fonts as paths, and
// the characters its fonts lack (the Cyrillic ones) are drawn here from
// Liberation Serif, which is also what measures them while MathJax lays out.
//
// A source may begin with a line "%! em=16 margin=2": the picture's em in
// pixels (its natural size) and the white border around the formula in pixels.
'use strict';

const fs = require('fs');
const path = require('path');
const crypto = require('crypto');
const opentype = require('opentype.js');
const {mathjax} = require('mathjax-full/js/mathjax.js');
const {TeX} = require('mathjax-full/js/input/tex.js');
const {SVG} = require('mathjax-full/js/output/svg.js');
const {liteAdaptor} = require('mathjax-full/js/adaptors/liteAdaptor.js');
const {RegisterHTMLHandler} = require('mathjax-full/js/handlers/html.js');
const {AllPackages} = require('mathjax-full/js/input/tex/AllPackages.js');

const Defaults = {em: 18, margin: 8};
const FontFolder = '/usr/share/fonts/truetype/liberation';
const TextFonts = {
  normal: loadFont('LiberationSerif-Regular.ttf'),
  italic: loadFont('LiberationSerif-Italic.ttf'),
};

function loadFont(file) {
  const fullName = path.join(FontFolder, file);
  if (!fs.existsSync(fullName)) {
    fail(`${fullName} is missing (scripts/install-deps installs fonts-liberation)`);
  }
  const data = fs.readFileSync(fullName);
  return opentype.parse(data.buffer.slice(data.byteOffset, data.byteOffset + data.byteLength));
}

function fail(message) {
  console.error(`typeset-formulas: ${message}`);
  process.exit(1);
}

function textFont(style) {
  return style === 'italic' ? TextFonts.italic : TextFonts.normal;
}

// Every character must have a glyph of its own: a missing one would come out as a box.
function checkGlyphs(font, text) {
  for (const glyph of font.stringToGlyphs(text)) {
    if (glyph.index === 0) fail(`Liberation Serif has no glyph for a character of "${text}"`);
  }
}

function textPath(text, fontSize, style) {
  const font = textFont(style);
  checkGlyphs(font, text);
  return font.getPath(text, 0, 0, fontSize, {kerning: true});
}

// MathJax sizes the text of characters outside its fonts by the ratio of its own
// x-height to the surrounding font's (ex / em): giving it the text font's x-height
// makes the Cyrillic letters as tall as the Latin ones beside them.
function textXHeight() {
  const font = TextFonts.normal;
  return font.tables.os2.sxHeight / font.unitsPerEm;
}

function makeTypesetter() {
  const adaptor = liteAdaptor();
  RegisterHTMLHandler(adaptor);
  const tex = new TeX({
    packages: AllPackages,
    formatError: (_jax, error) => { throw error; },
  });
  const svg = new SVG({fontCache: 'local'});
  // The lite DOM cannot measure text; measure with the font that will draw it.
  svg.measureTextNode = function (node) {
    const text = adaptor.textContent(node);
    const size = parseFloat(adaptor.getAttribute(node, 'font-size'));
    const box = textPath(text, size, adaptor.getAttribute(node, 'font-style')).getBoundingBox();
    const width = textFont(adaptor.getAttribute(node, 'font-style')).getAdvanceWidth(text, size, {kerning: true});
    return {w: width / 1000, h: Math.max(-box.y1, 0) / 1000, d: Math.max(box.y2, 0) / 1000};
  };
  const document = mathjax.document('', {InputJax: tex, OutputJax: svg});
  return {adaptor, document};
}

function readSource(file) {
  const source = fs.readFileSync(file, 'utf8');
  const settings = {...Defaults};
  const lines = source.split('\n');
  const directive = lines.find((line) => line.startsWith('%!'));
  if (directive) {
    for (const [, key, value] of directive.matchAll(/(\w+)=([\d.]+)/g)) {
      if (!(key in settings)) fail(`${file}: unknown setting ${key}`);
      settings[key] = Number(value);
    }
  }
  const math = lines.filter((line) => !line.trimStart().startsWith('%')).join('\n').trim();
  if (!math) fail(`${file}: no formula`);
  return {source, settings, math};
}

function unescapeXml(text) {
  return text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"').replace(/&amp;/g, '&');
}

function escapeXml(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// MathJax leaves characters outside its fonts as <text>; draw them as paths
// instead, each distinct one defined once (at 1000 units to the em) and used
// where it stands, as MathJax does with its own glyphs.
function textToPaths(svgText) {
  const definitions = new Map();
  const drawn = svgText.replace(/<text([^>]*)>([^<]*)<\/text>/g, (_all, attributes, escaped) => {
    const text = unescapeXml(escaped);
    const size = parseFloat(/font-size="([\d.]+)px"/.exec(attributes)[1]);
    const style = /font-style="italic"/.test(attributes) ? 'italic' : 'normal';
    const transform = (/transform="([^"]*)"/.exec(attributes) || [])[1] || '';
    const id = `TXT-${style}-${[...text].map((c) => c.codePointAt(0).toString(16).toUpperCase()).join('-')}`;
    if (!definitions.has(id)) definitions.set(id, `<path id="${id}" d="${textPath(text, 1000, style).toPathData(1)}"></path>`);
    const scale = size === 1000 ? '' : ` scale(${(size / 1000).toFixed(4)})`;
    return `<use data-text="${escapeXml(text)}" xlink:href="#${id}" transform="${(transform + scale).trim()}"></use>`;
  });
  if (!definitions.size) return drawn;
  const paths = [...definitions.values()].join('');
  return drawn.includes('<defs>') ? drawn.replace('<defs>', `<defs>${paths}`)
    : drawn.replace(/^<svg[^>]*>/, (open) => `${open}<defs>${paths}</defs>`);
}

// MathJax builds tall delimiters (braces, bars) from pieces, drawing each
// vertical extender as its glyph clipped by a nested <svg>. Qt SVG (Tiny 1.2)
// neither nests <svg> nor clips, and stops drawing at the first one; the part
// of an extender a clip leaves is a straight vertical stroke, so a rectangle
// of the glyph's width over the clip's height draws exactly that.
const VerticalExtenders = new Set(['23AA', '23AE', '239C', '239F', '23A2', '23A5', '23D0', '2223', '2225', '2016']);

function pathXRange(data) {
  const tokens = data.match(/[A-Za-z]|-?(?:\d+\.?\d*|\.\d+)(?:e-?\d+)?/g);
  const pairs = {M: 1, L: 1, T: 1, Q: 2, S: 2, C: 3};
  const xs = [];
  let command = null;
  for (let i = 0; i < tokens.length;) {
    if (/[A-Za-z]/.test(tokens[i])) { command = tokens[i++]; continue; }
    if (command === 'H') { xs.push(Number(tokens[i++])); continue; }
    if (command === 'V') { i += 1; continue; }
    if (!(command in pairs)) fail(`path command ${command} in an extender`);
    for (let k = 0; k < pairs[command]; k++, i += 2) xs.push(Number(tokens[i]));
  }
  return [Math.min(...xs), Math.max(...xs)];
}

function extendersToRectangles(svgText) {
  const attribute = (tag, name) => (new RegExp(`\\b${name}="([^"]*)"`).exec(tag) || [])[1];
  const glyphData = (id) => attribute(new RegExp(`<path id="${id}"[^>]*>`).exec(svgText)[0], 'd');
  return svgText.replace(/<svg ([^>]*)>(<use [^>]*>)<\/use><\/svg>/g, (_all, outer, useTag) => {
    const glyph = attribute(useTag, 'data-c');
    if (!VerticalExtenders.has(glyph)) fail(`no rule to flatten the clipped glyph ${glyph}`);
    const [vx, , vw] = attribute(outer, 'viewBox').split(/\s+/).map(Number);
    const [x, y, width, height] = ['x', 'y', 'width', 'height'].map((name) => Number(attribute(outer, name)));
    const scale = /scale\(([-\d.]+),([-\d.]+)\)/.exec(attribute(useTag, 'transform') || 'scale(1,1)');
    const [left, right] = pathXRange(glyphData(attribute(useTag, 'xlink:href').slice(1))).map((v) => v * Number(scale[1]));
    const fx = width / vw;
    const rect = [x + (left - vx) * fx, y, (right - left) * fx, height].map((v) => v.toFixed(1));
    return `<rect data-c="${glyph}" x="${rect[0]}" y="${rect[1]}" width="${rect[2]}" height="${rect[3]}"></rect>`;
  });
}

// Natural size in whole pixels: the view box grows around the formula to the
// rounded size plus the margin, so that the picture is not stretched.
function sizeToPixels(svgText, settings) {
  const [x, y, w, h] = /viewBox="([^"]*)"/.exec(svgText)[1].split(/\s+/).map(Number);
  const unitsPerPixel = 1000 / settings.em;
  const width = Math.ceil(w / unitsPerPixel + 2 * settings.margin);
  const height = Math.ceil(h / unitsPerPixel + 2 * settings.margin);
  const dx = (width * unitsPerPixel - w) / 2;
  const dy = (height * unitsPerPixel - h) / 2;
  const viewBox = [x - dx, y - dy, width * unitsPerPixel, height * unitsPerPixel].map((v) => v.toFixed(1)).join(' ');
  return svgText.replace(/^<svg[^>]*>/, (open) => {
    const namespaces = open.match(/xmlns(:\w+)?="[^"]*"/g).join(' ');
    return `<svg ${namespaces} width="${width}px" height="${height}px" viewBox="${viewBox}">`;
  });
}

function typeset(typesetter, name, file) {
  const {source, settings, math} = readSource(file);
  const {adaptor, document} = typesetter;
  let node;
  try {
    const em = settings.em;
    node = document.convert(math, {display: true, em, ex: em * textXHeight(), containerWidth: 100 * em});
  } catch (error) {
    fail(`${file}: ${error.message}`);
  }
  let svgText = adaptor.outerHTML(adaptor.firstChild(node));
  svgText = textToPaths(svgText);
  svgText = extendersToRectangles(svgText);
  svgText = svgText.replace(/currentColor/g, '#000000').replace(/ data-mml-node="[^"]*"/g, '');
  // MathJax numbers its glyph ids by the formula's place in the run; a picture
  // should not change with the pictures typeset before it.
  svgText = svgText.replace(/"(#?)MJX-\d+-/g, '"$1MJX-');
  svgText = sizeToPixels(svgText, settings);
  const hash = crypto.createHash('sha256').update(source, 'utf8').digest('hex');
  return '<?xml version="1.0" encoding="UTF-8"?>\n'
    + `<!-- ${name}: typeset by scripts/typeset-formulas from ${name}.tex; source-sha256: ${hash} -->\n`
    + svgText + '\n';
}

function main() {
  const [folder, ...names] = process.argv.slice(2);
  if (!folder) fail('usage: typeset-formulas.js <folder> [name ...]');
  const all = fs.readdirSync(folder).filter((f) => f.endsWith('.tex')).map((f) => f.slice(0, -4)).sort();
  for (const name of names) {
    if (!all.includes(name)) fail(`no source ${name}.tex in ${folder}`);
  }
  const typesetter = makeTypesetter();
  let changed = 0;
  for (const name of names.length ? names : all) {
    const target = path.join(folder, `${name}.svg`);
    const svgText = typeset(typesetter, name, path.join(folder, `${name}.tex`));
    if (fs.existsSync(target) && fs.readFileSync(target, 'utf8') === svgText) continue;
    fs.writeFileSync(target, svgText);
    console.log(`typeset ${name}.svg`);
    changed += 1;
  }
  console.log(`typeset-formulas: ${changed} picture(s) written, ${(names.length || all.length) - changed} unchanged`);
}

main();
